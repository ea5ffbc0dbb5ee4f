// Start-up of teko.exe against a minimal window program, alternating, in
// one run: the time from launch until a window is visible and painted, the
// working set at that moment, and a trace of where the time goes.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "painted_window.h"
#include "startup_trace.h"

namespace {

struct Launch {
  double shownMs = -1;
  double paintedMs = -1;  // negative: no window was painted
  double workingSetMiB = 0;
};

Launch TimeToWindow(const std::wstring& program) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program + L"\"";
  double start = Seconds();
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
    return {};
  }
  Launch launch;
  PaintedWindowProbe probe(info.dwThreadId);
  while (Seconds() - start < 30) {
    double painted = probe.VisibleSince();
    if (painted >= 0) {
      launch.shownMs = (probe.shownAt() - start) * 1000.0;
      launch.paintedMs = (painted - start) * 1000.0;
      PROCESS_MEMORY_COUNTERS memory{sizeof memory};
      if (::GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)) {
        launch.workingSetMiB = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
      }
      break;
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  ::TerminateProcess(info.hProcess, 0);
  ::WaitForSingleObject(info.hProcess, 10000);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return launch;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Medians {
  double shownMs, paintedMs, workingSetMiB;
};

Medians MediansOf(const std::vector<Launch>& launches) {
  std::vector<double> shown, painted, workingSet;
  for (const Launch& launch : launches) {
    shown.push_back(launch.shownMs);
    painted.push_back(launch.paintedMs);
    workingSet.push_back(launch.workingSetMiB);
  }
  return {Median(shown), Median(painted), Median(workingSet)};
}

// Each step's median time over the rounds that reached it (more than half
// of them), in order of that time, with the time since the step before.
void PrintTrace(const char* program, const std::vector<std::vector<TraceStep>>& rounds) {
  std::map<std::wstring, std::vector<double>> times;
  for (const auto& round : rounds) {
    for (const auto& step : round) times[step.name].push_back(step.ms);
  }
  std::vector<std::pair<double, std::wstring>> steps;
  for (const auto& [name, ms] : times) {
    if (ms.size() * 2 > rounds.size()) steps.emplace_back(Median(ms), name);
  }
  std::sort(steps.begin(), steps.end());
  std::printf("\ntrace of %s, median ms from launch over %zu rounds as its debugger\n", program, rounds.size());
  std::printf("  %8s %8s  %s\n", "at", "step", "event");
  std::vector<std::pair<double, std::wstring>> durations;
  double previous = 0;
  for (const auto& [at, name] : steps) {
    std::printf("  %8.1f %8.1f  %ls\n", at, at - previous, name.c_str());
    durations.emplace_back(at - previous, name);
    previous = at;
  }
  std::sort(durations.rbegin(), durations.rend());
  std::printf("slowest steps of %s (ms until the event):", program);
  for (size_t i = 0; i < durations.size() && i < 6; ++i) {
    std::printf("%s %.1f %ls", i ? "," : "", durations[i].first, durations[i].second.c_str());
  }
  std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int rounds = std::max(argc > 1 ? _wtoi(argv[1]) : 10, 1);
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L'\\') + 1);
  const std::wstring teko = folder + L"teko.exe", minimal = folder + L"minimal_window.exe";

  // Warms the prefix and the file cache.
  TimeToWindow(minimal);
  TimeToWindow(teko);
  std::vector<Launch> tekoLaunches, minimalLaunches;
  for (int round = 0; round < rounds; ++round) {
    tekoLaunches.push_back(TimeToWindow(teko));
    minimalLaunches.push_back(TimeToWindow(minimal));
    if (tekoLaunches.back().paintedMs < 0 || minimalLaunches.back().paintedMs < 0) {
      std::fprintf(stderr, "a program did not paint its window\n");
      return 1;
    }
  }
  std::vector<std::vector<TraceStep>> tekoTrace, minimalTrace;
  for (int round = 0; round < rounds; ++round) {
    tekoTrace.push_back(TraceLaunch(teko));
    minimalTrace.push_back(TraceLaunch(minimal));
  }

  Medians t = MediansOf(tekoLaunches), m = MediansOf(minimalLaunches);
  std::printf("start-up, median of %d rounds under Wine\n"
              "  painted: until a window is visible and painted; shown: until it is only shown;\n"
              "  working set: once painted\n", rounds);
  std::printf("  %-16s %10s %10s %14s\n", "", "painted", "shown", "working set");
  std::printf("  %-16s %7.1f ms %7.1f ms %10.1f MiB\n", "teko.exe", t.paintedMs, t.shownMs, t.workingSetMiB);
  std::printf("  %-16s %7.1f ms %7.1f ms %10.1f MiB\n", "minimal window", m.paintedMs, m.shownMs, m.workingSetMiB);
  std::printf("  %-16s %10.2f %10.2f %14.2f\n", "ratio", t.paintedMs / m.paintedMs, t.shownMs / m.shownMs,
              t.workingSetMiB / m.workingSetMiB);
  PrintTrace("teko.exe", tekoTrace);
  PrintTrace("minimal window", minimalTrace);
  return 0;
}
