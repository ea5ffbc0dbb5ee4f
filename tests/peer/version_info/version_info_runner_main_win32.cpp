// Prints what the version reader offers for each file named on the command
// line, as UTF-8; exit code 1 when a file has no version information.
#include <windows.h>

#include <cstdio>

#include "app/version_report.h"
#include "core/text.h"
#include "sysinfo/version_resource_source_win32.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: version_info_runner FILE...\n", stderr);
    return 2;
  }
  teko::Win32VersionResourceSource source;
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    auto report = teko::ReportFileVersionInfo(source, argv[i]);
    if (!report.hasVersionInfo) status = 1;
    for (const auto& line : report.lines) {
      std::string text = teko::Utf8FromWide(line) + "\n";
      std::fwrite(text.data(), 1, text.size(), stdout);
    }
  }
  return status;
}
