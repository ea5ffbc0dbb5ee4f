#pragma once
// A console program of the build, run to its end with its output captured.
#include <windows.h>

#include <string>
#include <string_view>

namespace teko::e2e {

struct ConsoleRun {
  DWORD exitCode = STILL_ACTIVE;
  std::string output;  // what it wrote to its standard output, as bytes
};

// Runs `program` (a file name in the test program's folder) with the test's
// environment, in `workingFolder` when one is given; errors go to the test's
// own error output. Raises when the program cannot be started.
ConsoleRun RunConsoleProgram(std::wstring_view program, std::wstring_view arguments,
                             const std::wstring& workingFolder = {});

}  // namespace teko::e2e
