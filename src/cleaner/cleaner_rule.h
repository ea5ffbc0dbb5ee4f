#pragma once
// One line of the cleaner's rule list, read the way the deletion engine
// reads it: a folder and a file mask (optionally with every subfolder), or a
// single file.
#include <string>
#include <string_view>

namespace teko {

struct CleanerRule {
  bool folderRule = false;  // the line holds a "*"
  bool recurse = false;     // "/u": the mask applies to every subfolder too
  std::wstring file;        // file rules: the file's path
  std::wstring folder;      // folder rules
  std::wstring mask;        // folder rules; patterns may be joined by ";"
};

// "/u" is taken out (its first occurrence), anything from "/d" on is cut
// off (an age filter that has no effect), and the folder is split from the
// mask at the last backslash. A backslash that follows another one or a
// drive colon stays with the folder, so "C:\*.tmp" names the root.
CleanerRule ParseCleanerRule(std::wstring_view text);

// The folder as the platform reports a listed folder: repeated backslashes
// made one (a leading "\\" of a network path kept), no trailing backslash
// except on a drive root.
std::wstring CanonicalFolder(std::wstring_view folder);

}  // namespace teko
