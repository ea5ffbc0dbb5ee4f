// cleaner_bench FOLDER: runs the rule FOLDER\*.* /u once and prints the
// files deleted, the seconds the rule took and the process's peak memory.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "cleaner/deletion_engine.h"
#include "platform/file_system_win32.h"

namespace {

size_t PeakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{sizeof counters};
  return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

size_t WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{sizeof counters};
  return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cleaner_bench FOLDER\n");
    return 2;
  }
  teko::Win32FileSystem files;
  teko::DeletionEngine engine(files);
  engine.StartRun();
  size_t before = WorkingSet();
  double start = Seconds();
  engine.ApplyRule(std::wstring(argv[1]) + L"\\*.* /u");
  double elapsed = Seconds() - start;
  std::printf("files %d\nbytes %llu\nseconds %.3f\nlog_lines %zu\nworking_set_before_kib %zu\npeak_working_set_kib %zu\n",
              engine.totals().DeletedFileCount, static_cast<unsigned long long>(engine.totals().DeletedByteTotal),
              elapsed, engine.log().size(), before / 1024, PeakWorkingSet() / 1024);
  return 0;
}
