#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace teko {

// Shown when a file has no readable version resource, in every language.
inline constexpr std::wstring_view kVersionNotAvailable = L"Nicht verf\u00fcgbar";

// "2.0.1.7" from the fixed file version's two double words.
std::wstring VersionText(uint32_t fileVersionMS, uint32_t fileVersionLS);

// The file version of an executable, or kVersionNotAvailable.
std::wstring GetFileVersionText(std::wstring_view path);

}  // namespace teko
