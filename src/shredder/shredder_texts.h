#pragma once
// What the shredder says to the user.
#include <string_view>

namespace teko {

inline constexpr std::wstring_view kNoFilesSelected = L"No files selected!";
inline constexpr std::wstring_view kConfirmShredding = L" file(s) selected. Delete file(s) definitely?";
inline constexpr std::wstring_view kInvalidPassCount = L"Invalid number (Must be 1 - 10)! Will use defaults: 2!";
inline constexpr std::wstring_view kFilesDeleted = L" file(s) deleted";
inline constexpr std::wstring_view kNoFilesDeletedYet = L"0 files deleted";
inline constexpr std::wstring_view kUnexpectedEraseError = L"Unexspected error while erasing file!";

}  // namespace teko
