#include "cleaner/cleaner_figures.h"

#include "core/number_format.h"

namespace teko {

namespace {
constexpr double kKb = 1024.0;
constexpr double kMb = 1048576.0;
constexpr int64_t kMbBytes = 1048576;
}  // namespace

std::wstring DeletedBytesFigure(uint64_t bytes, wchar_t decimalSeparator) {
  bool megabytes = bytes > static_cast<uint64_t>(kMbBytes);
  double value = static_cast<double>(bytes) / (megabytes ? kMb : kKb);
  return FormatFixed(value, 1, decimalSeparator) + (megabytes ? L" MB" : L" Kb");
}

std::wstring RecycleSizeFigure(uint64_t bytes) {
  bool megabytes = bytes > static_cast<uint64_t>(kMbBytes);
  double value = static_cast<double>(bytes) / (megabytes ? kMb : kKb);
  return std::to_wstring(RoundHalfEven(value)) + (megabytes ? L" MB" : L" Kb");
}

std::optional<std::wstring> FreedSpaceFigure(int64_t freedBytes) {
  bool megabytes = freedBytes > kMbBytes;
  int64_t rounded = RoundHalfEven(static_cast<double>(freedBytes) / (megabytes ? kMb : kKb));
  if (rounded <= 0) return std::nullopt;
  return std::to_wstring(rounded) + (megabytes ? L" MB free" : L" Kb free");
}

}  // namespace teko
