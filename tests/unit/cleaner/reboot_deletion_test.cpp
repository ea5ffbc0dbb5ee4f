#include "cleaner/reboot_deletion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeRebootPlatform final : public RebootDeletionPlatform {
 public:
  uint32_t PlatformId() const override { return platformId; }
  bool ScheduleNtDeletion(std::wstring_view path) override {
    ntScheduled.emplace_back(path);
    return ntSucceeds;
  }
  std::wstring WindowsFolder() const override { return windowsFolder; }
  std::wstring ShortPathName(std::wstring_view) const override { return shortPath; }
  std::optional<std::vector<std::wstring>> ReadLines(std::wstring_view path) const override {
    auto it = files.find(std::wstring(path));
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteLines(std::wstring_view path, std::span<const std::wstring> lines) override {
    if (!writable) return false;
    files[std::wstring(path)] = std::vector<std::wstring>(lines.begin(), lines.end());
    return true;
  }

  uint32_t platformId = kPlatformWindows9x;
  bool ntSucceeds = true;
  bool writable = true;
  std::wstring windowsFolder = L"C:\\WINDOWS";
  std::wstring shortPath = L"C:\\WINDOWS\\TEMPOR~1\\CONTENT.IE5\\INDEX.DAT";
  std::map<std::wstring, std::vector<std::wstring>> files;
  std::vector<std::wstring> ntScheduled;
};

constexpr const wchar_t* kIndex = L"C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\index.dat";
constexpr const wchar_t* kIni = L"C:\\WINDOWS\\wininit.ini";
constexpr const wchar_t* kEntry = L"NUL=C:\\WINDOWS\\TEMPOR~1\\CONTENT.IE5\\INDEX.DAT";

TEST(DeleteFileAtReboot, NtFamilyAsksThePlatformAndWritesNothing) {
  FakeRebootPlatform platform;
  platform.platformId = kPlatformNt;
  EXPECT_TRUE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.ntScheduled, ElementsAre(kIndex));
  EXPECT_THAT(platform.files, IsEmpty());

  platform.ntSucceeds = false;
  EXPECT_FALSE(DeleteFileAtReboot(platform, kIndex));
}

TEST(DeleteFileAtReboot, Win32sCannot) {
  FakeRebootPlatform platform;
  platform.platformId = kPlatformWin32s;
  EXPECT_FALSE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.ntScheduled, IsEmpty());
  EXPECT_THAT(platform.files, IsEmpty());
}

TEST(DeleteFileAtReboot, OlderFamilyCreatesWininit) {
  FakeRebootPlatform platform;
  EXPECT_TRUE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.files[kIni], ElementsAre(L"[rename]", kEntry));

  platform.files.clear();
  platform.windowsFolder = L"C:\\";
  platform.files[L"C:\\wininit.ini"] = {};
  EXPECT_TRUE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.files[L"C:\\wininit.ini"], ElementsAre(L"[rename]", kEntry));
}

TEST(DeleteFileAtReboot, OlderFamilyAddsToEveryRenameSection) {
  FakeRebootPlatform platform;
  platform.files[kIni] = {L"; settings", L"[Rename]", L"NUL=C:\\OLD.TMP", L"[other]", L"[RENAME]", L" [rename]"};
  EXPECT_TRUE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.files[kIni], ElementsAre(L"; settings", L"[Rename]", kEntry, L"NUL=C:\\OLD.TMP", L"[other]",
                                                L"[RENAME]", kEntry, L" [rename]"));
}

TEST(DeleteFileAtReboot, OlderFamilyAppendsTheSectionWhenMissing) {
  FakeRebootPlatform platform;
  platform.files[kIni] = {L"[boot]", L"x=1"};
  EXPECT_TRUE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.files[kIni], ElementsAre(L"[boot]", L"x=1", L"[rename]", kEntry));
}

TEST(DeleteFileAtReboot, OlderFamilyReportsWhatItCouldNotDo) {
  FakeRebootPlatform platform;
  platform.windowsFolder.clear();
  EXPECT_FALSE(DeleteFileAtReboot(platform, kIndex));

  platform = FakeRebootPlatform{};
  platform.shortPath.clear();  // no such file: nothing to schedule
  EXPECT_FALSE(DeleteFileAtReboot(platform, kIndex));
  EXPECT_THAT(platform.files, IsEmpty());

  platform = FakeRebootPlatform{};
  platform.writable = false;
  EXPECT_FALSE(DeleteFileAtReboot(platform, kIndex));
}

}  // namespace
}  // namespace teko
