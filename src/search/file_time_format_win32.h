#pragma once
#include "search/file_time_format.h"

namespace teko {

// The current time-zone bias and the user's default locale.
class Win32FileTimeFormat final : public FileTimeFormat {
 public:
  int64_t LocalTime(int64_t utcTime) const override;
  std::wstring Text(int64_t localTime) const override;
};

}  // namespace teko
