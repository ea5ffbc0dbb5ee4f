#pragma once
// The version information the reader offers for a file, as report lines:
// the file, then indented its fixed file version and the key=value entries
// of the offered string table (what the process details show), or the
// reader's error. Control characters in values are written as escapes, so
// one entry stays one line.
#include <string>
#include <string_view>
#include <vector>

#include "sysinfo/version_resource_source.h"

namespace teko {

struct FileVersionReport {
  std::vector<std::wstring> lines;
  bool hasVersionInfo = false;
};

FileVersionReport ReportFileVersionInfo(VersionResourceSource& source, std::wstring_view file);

}  // namespace teko
