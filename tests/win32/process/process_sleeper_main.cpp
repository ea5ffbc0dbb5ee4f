// Waits the given number of seconds (60 by default) and ends, so a test that
// dies never leaves it running for long.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  long seconds = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 60;
  ::Sleep(static_cast<DWORD>(seconds > 0 ? seconds : 60) * 1000);
  return 0;
}
