#pragma once
// Whole text files in the system's ANSI code page, as older tools expect.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

// The file's lines (CR LF, LF or CR end a line). Raises the platform error.
std::vector<std::wstring> ReadAnsiLines(std::wstring_view path);
// Replaces the file; every line, the last included, ends with CR LF. Raises
// the platform error.
void WriteAnsiLines(std::wstring_view path, std::span<const std::wstring> lines);

}  // namespace teko
