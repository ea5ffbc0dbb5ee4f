#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/paths.h"
#include "core/text.h"
#include "platform/handles_win32.h"
#include "platform/module_path_win32.h"
#include "process/process_details.h"
#include "process/process_kill.h"
#include "system/process_snapshot_win32.h"

namespace teko {
namespace {

// Copies of the sleeper under a name of the test's choosing, started as real
// processes and ended at the latest when the test ends.
class Sleepers {
 public:
  explicit Sleepers(std::wstring_view name) {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + std::wstring(name);
    EXPECT_TRUE(::CopyFileW((ExecutableFolder() + L"teko_sleeper.exe").c_str(), path_.c_str(), FALSE));
  }
  ~Sleepers() {
    for (auto& process : processes_) ::TerminateProcess(process.get(), 1);
    for (auto& process : processes_) ::WaitForSingleObject(process.get(), 5000);
    ::DeleteFileW(path_.c_str());
  }

  uint32_t Start() {
    std::wstring commandLine = L"\"" + path_ + L"\" 60";
    STARTUPINFOW startup{sizeof(STARTUPINFOW)};
    PROCESS_INFORMATION info{};
    EXPECT_TRUE(::CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &info));
    ::CloseHandle(info.hThread);
    processes_.emplace_back(info.hProcess);
    return info.dwProcessId;
  }

  bool AllEnded() {
    return std::all_of(processes_.begin(), processes_.end(),
                       [](const UniqueHandle& process) { return ::WaitForSingleObject(process.get(), 5000) == 0; });
  }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
  std::vector<UniqueHandle> processes_;
};

std::vector<uint32_t> IdsNamed(std::wstring_view name) {
  Win32ProcessSnapshot snapshot;
  std::vector<uint32_t> ids;
  for (const auto& record : snapshot.Take()) {
    if (record.exeFile == name) ids.push_back(record.id);
  }
  return ids;
}

TEST(ProcessServices, SnapshotListsEveryInstanceByItsExecutableName) {
  Sleepers sleepers(L"teko-sleeper-a.exe");
  std::vector<uint32_t> started = {sleepers.Start(), sleepers.Start()};
  auto ids = IdsNamed(L"teko-sleeper-a.exe");
  std::sort(ids.begin(), ids.end());
  std::sort(started.begin(), started.end());
  EXPECT_EQ(ids, started);

  Win32ProcessSnapshot snapshot;
  auto own = IdsNamed(ExtractFileName(ExecutablePath()));
  EXPECT_NE(std::find(own.begin(), own.end(), ::GetCurrentProcessId()), own.end());
  EXPECT_EQ(FindProcessIdByName(snapshot, L"TEKO-SLEEPER-A.EXE"), IdsNamed(L"teko-sleeper-a.exe").back());
  EXPECT_EQ(FindProcessIdByName(snapshot, L"sleeper-a.exe"), std::nullopt);
}

TEST(ProcessServices, ImagePathIsTheFullPathOfTheRunningExecutable) {
  Sleepers sleepers(L"teko-sleeper-b.exe");
  uint32_t id = sleepers.Start();
  Win32ProcessAccess access;
  // A process just created has no module list until its loader has run.
  std::wstring path;
  for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
    ::Sleep(50);
    path = access.ImagePath(id);
  }
  wchar_t expected[MAX_PATH];
  ASSERT_NE(::GetLongPathNameW(sleepers.path().c_str(), expected, MAX_PATH), 0u);
  EXPECT_TRUE(EqualsIgnoringAsciiCase(path, expected)) << Utf8FromWide(path);
  EXPECT_EQ(access.ImagePath(0xFFFFFFF0), L"");
}

TEST(ProcessServices, KillEndsEveryInstanceOfTheName) {
  Sleepers sleepers(L"teko-sleeper-c.exe");
  Sleepers bystander(L"teko-sleeper-cc.exe");
  for (int i = 0; i < 3; ++i) sleepers.Start();
  bystander.Start();
  Win32ProcessSnapshot snapshot;
  Win32ProcessAccess access;
  EXPECT_TRUE(KillProcessesByName(L"TEKO-SLEEPER-C.EXE", snapshot, access));
  EXPECT_TRUE(sleepers.AllEnded());
  EXPECT_TRUE(IdsNamed(L"teko-sleeper-c.exe").empty());
  EXPECT_EQ(IdsNamed(L"teko-sleeper-cc.exe").size(), 1u);

  EXPECT_FALSE(KillProcessesByName(L"teko-sleeper-c.exe", snapshot, access)) << "nothing left to end";
  EXPECT_FALSE(access.Terminate(0xFFFFFFF0));
}

}  // namespace
}  // namespace teko
