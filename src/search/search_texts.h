#pragma once
// The search window's texts. It always shows this English set, whatever
// language the help files follow.
#include <string_view>

namespace teko::search_texts {

inline constexpr std::wstring_view kMaskCaption = L"Search mask";
inline constexpr std::wstring_view kStartFolderCaption = L"Start folder";
inline constexpr std::wstring_view kTitle = L"Search";
inline constexpr std::wstring_view kIncludeSubfolders = L"Include subdirectories";
inline constexpr std::wstring_view kFind = L"Find";
inline constexpr std::wstring_view kStop = L"Stop";
inline constexpr std::wstring_view kExit = L"Exit";
inline constexpr std::wstring_view kSearchFor = L"Search for...";
inline constexpr std::wstring_view kFiles = L"Files";
inline constexpr std::wstring_view kFolders = L"Folders";
inline constexpr std::wstring_view kSearching = L"Searching...";
inline constexpr std::wstring_view kEmptyMask = L"Specify files to search!";
inline constexpr std::wstring_view kMatchesFound = L" matches found";
inline constexpr std::wstring_view kCancelling = L"Cancelling search. Please wait ...";
inline constexpr std::wstring_view kOpenFailedBefore = L"Open command ";
inline constexpr std::wstring_view kOpenFailedAfter = L" failed!";
// Eight blanks before each word leave room for the sort marker.
inline constexpr std::wstring_view kHeaders[3] = {L"        File", L"        Size", L"        Date"};

}  // namespace teko::search_texts
