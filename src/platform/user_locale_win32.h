#pragma once
// The user's locale settings that number texts follow.
namespace teko {

// The user's decimal separator; '.' when the locale does not say.
wchar_t UserDecimalSeparator();

}  // namespace teko
