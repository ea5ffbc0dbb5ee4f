#pragma once
// Text files in the system's ANSI code page, as the saved cleaner log and
// wininit.ini are kept.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

// The file's lines (CR LF, LF or CR ends); nothing when it cannot be opened
// or read.
std::optional<std::vector<std::wstring>> ReadAnsiLines(std::wstring_view path);

// Replaces the file with the lines, each ended by CR LF, without a
// byte-order mark, as a whole (see ReplaceFileContents). 0, or the
// platform error when the file could not be written.
uint32_t WriteAnsiLines(std::wstring_view path, std::span<const std::wstring> lines);

}  // namespace teko
