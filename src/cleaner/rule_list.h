#pragma once
// The cleaner's rule list, written anew at every run from the computer's
// folders, the location table and the window's two check boxes.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace teko {

// What the builder reads. The cleaner window fills it from its computer
// information component at every run; a folder that could not be read is
// empty, and every location built on an empty folder is left out (an empty
// base would turn "\Temp" into a folder of whatever drive is current).
struct RuleListInputs {
  std::wstring windows;        // Folders.Windows
  std::wstring system;         // Folders.System
  std::wstring temp;           // Folders.Temp
  std::wstring commonFiles;    // Folders.CommonFiles
  std::wstring appData;        // Folders.AppData
  std::wstring localAppData;   // Folders.LocalAppData
  std::wstring internetCache;  // Folders.InternetCache
  std::wstring cookies;        // Folders.Cookies
  std::wstring history;        // Folders.History
  std::wstring profile;        // Folders.Profile
  bool clearPrefetch = false;        // "Clear Prefetch folder"
  bool clearBrowserHistory = true;   // "Clear Browser History"
  std::vector<wchar_t> fixedDrives;  // letters of the fixed drives, in letter order
};

struct RuleList {
  std::vector<std::wstring> rules;
  // A browser index file was scheduled for deletion at the next start.
  bool RebootPending = false;
};

// Schedules the deletion of a file at the next system start; true when it
// was scheduled.
using ScheduleAtReboot = std::function<bool(std::wstring_view path)>;

RuleList BuildRuleList(const RuleListInputs& inputs, const FileSystem& files, const ScheduleAtReboot& schedule);

}  // namespace teko
