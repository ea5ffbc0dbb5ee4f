#include "startup_trace.h"

#include <windows.h>

#include "bench_clock.h"
#include "painted_window.h"

namespace {

std::wstring LibraryName(HANDLE file) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD length = file ? ::GetFinalPathNameByHandleW(file, path, MAX_PATH * 2, 0) : 0;
  std::wstring name(path, length < MAX_PATH * 2 ? length : 0);
  name.erase(0, name.find_last_of(L"\\/") + 1);
  for (auto& c : name) c = static_cast<wchar_t>(::towlower(c));
  return name.empty() ? L"(unnamed library)" : name;
}

std::wstring DebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) {
  size_t length = info.nDebugStringLength < 256 ? info.nDebugStringLength : 256;
  std::wstring text;
  if (info.fUnicode) {
    text.resize(length);
    ::ReadProcessMemory(process, info.lpDebugStringData, text.data(), length * sizeof(wchar_t), nullptr);
  } else {
    std::string ansi(length, '\0');
    ::ReadProcessMemory(process, info.lpDebugStringData, ansi.data(), length, nullptr);
    text.assign(ansi.begin(), ansi.end());
  }
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  return text;
}

}  // namespace

std::vector<TraceStep> TraceLaunch(const std::wstring& program) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + program + L"\"";
  double start = Seconds();
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                        nullptr, nullptr, &startup, &info)) {
    return {};
  }
  std::vector<TraceStep> steps;
  auto mark = [&](std::wstring name) { steps.push_back({std::move(name), (Seconds() - start) * 1000.0}); };
  PaintedWindowProbe probe(info.dwThreadId);
  bool painted = false, exited = false, breakpointSeen = false;
  while (!exited && Seconds() - start < 60) {
    DEBUG_EVENT event;
    if (::WaitForDebugEvent(&event, 1)) {
      DWORD status = DBG_CONTINUE;
      switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
          if (!painted) mark(L"process created");
          if (event.u.CreateProcessInfo.hFile) ::CloseHandle(event.u.CreateProcessInfo.hFile);
          break;
        case LOAD_DLL_DEBUG_EVENT:
          if (!painted) mark(L"map " + LibraryName(event.u.LoadDll.hFile));
          if (event.u.LoadDll.hFile) ::CloseHandle(event.u.LoadDll.hFile);
          break;
        case EXCEPTION_DEBUG_EVENT:
          if (!breakpointSeen && event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT) {
            breakpointSeen = true;
            if (!painted) mark(L"loader breakpoint: imports mapped");
          } else {
            status = DBG_EXCEPTION_NOT_HANDLED;
          }
          break;
        case OUTPUT_DEBUG_STRING_EVENT:
          if (!painted) mark(DebugString(info.hProcess, event.u.DebugString));
          break;
        case EXIT_PROCESS_DEBUG_EVENT:
          exited = true;
          break;
        default:
          break;
      }
      ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
    double visible = painted ? -1 : probe.VisibleSince();
    if (visible >= 0) {
      painted = true;
      // What the program marked after its answer is not start-up.
      double ms = (visible - start) * 1000.0;
      std::erase_if(steps, [ms](const TraceStep& step) { return step.ms > ms; });
      steps.push_back({L"window visible and painted", ms});
      ::TerminateProcess(info.hProcess, 0);
    }
  }
  if (!exited) {
    ::TerminateProcess(info.hProcess, 0);
    ::DebugActiveProcessStop(info.dwProcessId);
  }
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  if (!painted) steps.clear();
  return steps;
}
