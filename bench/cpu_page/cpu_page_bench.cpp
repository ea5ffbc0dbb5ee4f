// One refresh of the CPU page reads thirteen processor properties, and each
// read identifies the processor with a fresh clock measurement. The peer is
// the floor those measurements cannot go below: thirteen times three passes
// of 1,050 counter ticks, busy-waited at the same priority in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/hardware_page_fillers.h"
#include "app/online_check_win32.h"
#include "sysinfo/win32_seams.h"

namespace {

constexpr int kPropertiesOnThePage = 13;

double NowMs() {
  LARGE_INTEGER counter, frequency;
  ::QueryPerformanceCounter(&counter);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The page's own filler into a recording sink, as tekoinfo runs it.
double PageRefreshMs(teko::InfoSources& sources) {
  teko::RecordingSink sink;
  double start = NowMs();
  teko::FillProcessorValues(sources, sink);
  return NowMs() - start;
}

double FloorMs() {
  double start = NowMs();
  HANDLE thread = ::GetCurrentThread();
  for (int i = 0; i < kPropertiesOnThePage * 3; ++i) {
    int saved = ::GetThreadPriority(thread);
    ::SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
    LARGE_INTEGER begin, now;
    ::QueryPerformanceCounter(&begin);
    do {
      ::QueryPerformanceCounter(&now);
    } while (now.QuadPart - begin.QuadPart < 1050);
    ::SetThreadPriority(thread, saved);
  }
  return NowMs() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  teko::Win32OnlineCheck online;
  teko::InfoSources sources(teko::Win32ComputerInfoSeams(), online);
  PageRefreshMs(sources);  // first calls out of the way
  std::vector<double> refresh, floor;
  for (int round = 0; round < rounds; ++round) {
    refresh.push_back(PageRefreshMs(sources));
    floor.push_back(FloorMs());
  }
  double r = Median(refresh), f = Median(floor);
  std::printf("CPU page refresh (13 identifications with clock), median of %d rounds under Wine\n", rounds);
  std::printf("  page refresh         %8.2f ms   (min %.2f, max %.2f)\n", r,
              *std::min_element(refresh.begin(), refresh.end()), *std::max_element(refresh.begin(), refresh.end()));
  std::printf("  busy-wait floor      %8.2f ms   (13 x 3 passes x 1050 ticks)\n", f);
  std::printf("  ratio                %8.2f\n", r / f);
  return 0;
}
