// Time from launch until a program's first visible top-level window,
// for teko.exe and for the minimal window program, alternating, in one run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"

namespace {

struct Search {
  DWORD process;
  bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && ::IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds until the window shows, or a negative value on failure.
double TimeToWindow(const std::wstring& program) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program + L"\"";
  double start = Seconds();
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
    return -1;
  }
  double elapsed = -1;
  Search search{info.dwProcessId, false};
  while (Seconds() - start < 30) {
    ::EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      elapsed = (Seconds() - start) * 1000.0;
      break;
    }
    ::Sleep(1);
  }
  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 10000);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L'\\') + 1);

  std::vector<double> teko, minimal;
  TimeToWindow(folder + L"minimal_window.exe");  // warm the prefix and the file cache
  TimeToWindow(folder + L"teko.exe");
  for (int round = 0; round < rounds; ++round) {
    double t = TimeToWindow(folder + L"teko.exe");
    double m = TimeToWindow(folder + L"minimal_window.exe");
    if (t < 0 || m < 0) {
      std::fprintf(stderr, "a program did not show its window\n");
      return 1;
    }
    teko.push_back(t);
    minimal.push_back(m);
  }
  double t = Median(teko), m = Median(minimal);
  std::printf("start-up until the window is visible, median of %d rounds under Wine\n", rounds);
  std::printf("  teko.exe            %8.1f ms\n", t);
  std::printf("  minimal window      %8.1f ms\n", m);
  std::printf("  ratio               %8.2f\n", t / m);
  return 0;
}
