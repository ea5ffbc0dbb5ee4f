#pragma once
// A clock that shows the current time and the date as dd.MM.yyyy on a cream
// face with a lowered outer and a raised inner bevel. Its window text is
// what it shows, so it can be read back.
#include <windows.h>

#include <string>

namespace teko::ui {

inline constexpr wchar_t kClockClassName[] = L"TekoClock";
void RegisterClockClass();
// "HH:mm:ss" and "dd.MM.yyyy" on two lines.
std::wstring ClockText(const SYSTEMTIME& time);

}  // namespace teko::ui
