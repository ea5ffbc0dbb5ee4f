#include "driver/console_run.h"

#include <stdexcept>

#include "driver/app_process.h"
#include "platform/handles_win32.h"

namespace teko::e2e {

ConsoleRun RunConsoleProgram(std::wstring_view program, std::wstring_view arguments,
                             const std::wstring& workingFolder) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  UniqueHandle read;
  UniqueHandle write;
  if (!::CreatePipe(read.put(), write.put(), &inherit, 0)) throw std::runtime_error("no pipe");
  ::SetHandleInformation(read.get(), HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write.get();
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info{};
  std::wstring path = TestProgramFolder() + std::wstring(program);
  std::wstring commandLine = L"\"" + path + L"\" " + std::wstring(arguments);
  if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
    throw std::runtime_error("a console program of the build could not be started");
  }
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  write.reset();  // the pipe ends when the program's copy closes
  ConsoleRun run;
  char buffer[4096];
  DWORD count = 0;
  while (::ReadFile(read.get(), buffer, sizeof buffer, &count, nullptr) && count > 0) run.output.append(buffer, count);
  ::WaitForSingleObject(process.get(), 60000);
  ::GetExitCodeProcess(process.get(), &run.exitCode);
  return run;
}

}  // namespace teko::e2e
