#pragma once
// Whether the machine is online, as the system's dial-up logic tells.
#include <string_view>

namespace teko {

class OnlineCheck {
 public:
  virtual ~OnlineCheck() = default;
  // InternetGoOnline on `address` with no flags; true for a non-zero result.
  virtual bool GoOnline(std::wstring_view address) = 0;
};

// The public web site the check names.
inline constexpr std::wstring_view kOnlineCheckAddress = L"https://www.example.com/";

inline bool IsOnline(OnlineCheck& check) { return check.GoOnline(kOnlineCheckAddress); }

}  // namespace teko
