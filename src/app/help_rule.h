#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace teko {

// German (Germany) with the German keyboard layout.
inline constexpr uint32_t kGermanInputLanguage = 0x04070407;

// The help file for a default input language: "tekod.chm" for exactly the
// German value, "tekoe.chm" for anything else (0 when the query failed).
std::wstring HelpFileFor(std::wstring_view executableFolder, uint32_t defaultInputLanguage);

}  // namespace teko
