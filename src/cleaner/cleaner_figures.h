#pragma once
// The figures the cleaner window shows after a run and after clearing the
// restore points: sizes in Kb up to one MB, in MB above.
#include <cstdint>
#include <optional>
#include <string>

namespace teko {

// The run's bytes with one decimal: "1024.0 Kb" for exactly one MB,
// "1.0 MB" from one byte more.
std::wstring DeletedBytesFigure(uint64_t bytes, wchar_t decimalSeparator);

// The recycle bins' size rounded to whole Kb (up to one MB) or MB, halves to
// the even neighbour: "1024 Kb" for exactly one MB.
std::wstring RecycleSizeFigure(uint64_t bytes);

// Space that clearing the restore points freed, "3 MB free"; nothing when
// the rounded figure is not above 0.
std::optional<std::wstring> FreedSpaceFigure(int64_t freedBytes);

}  // namespace teko
