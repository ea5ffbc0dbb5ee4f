#pragma once
// Text helpers shared by every layer. Text is UTF-16 std::wstring inside the
// program; UTF-8 only at edges that want it.
#include <string>
#include <string_view>
#include <vector>

namespace teko {

// Case mapping of the ASCII letters only, as the rules that compare
// "after upper-casing the letters a to z" demand.
wchar_t AsciiUpper(wchar_t c);
wchar_t AsciiLower(wchar_t c);
std::wstring AsciiUpper(std::wstring_view text);
std::wstring AsciiLower(std::wstring_view text);
bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b);

bool Contains(std::wstring_view text, std::wstring_view part);
bool StartsWith(std::wstring_view text, std::wstring_view prefix);
bool EndsWith(std::wstring_view text, std::wstring_view suffix);

// Removes leading and trailing characters up to and including the blank
// (control characters and line breaks too).
std::wstring Trim(std::wstring_view text);
std::wstring TrimLeft(std::wstring_view text);
std::wstring TrimRight(std::wstring_view text);

// The text up to (not including) its first NUL.
std::wstring CutAtNul(std::wstring_view text);

std::vector<std::wstring> SplitLines(std::wstring_view text);

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

}  // namespace teko
