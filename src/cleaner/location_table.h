#pragma once
// The cleaner's locations, in the order their rules are written.
#include <cstdint>
#include <span>
#include <string_view>

namespace teko {

// Where a location's path starts.
enum class RuleBase : uint8_t {
  None,  // the path is complete
  Windows,
  System,  // with its trailing backslash
  Temp,
  CommonFiles,
  AppData,
  LocalAppData,
  InternetCache,
  Cookies,
  History,
  Profile,
  AppDataRoot,    // {AppData} up to the backslash before "Roaming"
  LocalTempRoot,  // {AppData} before "Roaming"
  HistoryRoot,    // {History} up to the backslash before "Microsoft"
  FirefoxRoaming,  // the chosen profile below {AppData}
  FirefoxLocal,    // below {HistoryRoot}
  FirefoxGerman,   // below {Profile}\Anwendungsdaten
  Count,
};

enum class RuleCondition : uint8_t {
  Always,
  Browser,   // "Clear Browser History" is checked
  Prefetch,  // "Clear Prefetch folder" is checked
  // The second fixed drive differs from the drive of the profile's local
  // temporary folder.
  ProfileOffSecondDrive,
};

struct LocationRow {
  RuleBase base;
  std::wstring_view path;    // appended to the base; with it, the folder that must exist
  std::wstring_view suffix;  // the mask (with " /u") or the file name
  RuleCondition condition;
};

std::span<const LocationRow> LocationTable();

// Browser index files scheduled for deletion at the next start.
struct IndexFileRow {
  RuleBase base;
  std::wstring_view path;
};

std::span<const IndexFileRow> IndexFileTable();

}  // namespace teko
