#pragma once
// The benchmarks' clock: the performance counter, in seconds.
#include <windows.h>

inline double Seconds() {
  LARGE_INTEGER counter, frequency;
  ::QueryPerformanceCounter(&counter);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
