#pragma once
#include <string_view>

namespace teko {

// Switches a privilege ("SeDebugPrivilege", "SeShutdownPrivilege") on in the
// program's own access token. False only when the token cannot be opened: a
// privilege the account does not hold shows later, when the operation that
// needs it fails.
bool EnablePrivilege(std::wstring_view privilegeName);

}  // namespace teko
