#pragma once
// A start-up trace: the benchmark launches a program as its debugger and
// times every event from launch until a window of the program is painted:
// each library the loader maps, the loader's first breakpoint (the
// program's imports are in), and the steps the program marks itself with
// OutputDebugString. Each debug event stops the program briefly, so a trace
// runs a little slower than a timed launch; it shows where the time goes.
#include <string>
#include <vector>

struct TraceStep {
  std::wstring name;
  double ms;  // since launch
};

// The steps of one launch, in order; empty when no window was painted.
std::vector<TraceStep> TraceLaunch(const std::wstring& program);
