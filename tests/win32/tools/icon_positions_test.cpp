#include "tools/desktop_icons_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/integer_text.h"
#include "core/os_error.h"
#include "fake_desktop_process.h"
#include "support/fake_dialogs.h"
#include "tools/remote_buffer_win32.h"

namespace teko {
namespace {

using testing::FakeDesktop;
using testing::FakeDialogs;
using testing::kFakeDesktopIcons;

class IconPositions : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"teko-icons-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    file_ = IconPositionFilePath(folder_);
    ::DeleteFileW(file_.c_str());
  }
  void TearDown() override {
    ::DeleteFileW(file_.c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }
  std::string FileBytes() const {
    std::ifstream in(file_.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteFileBytes(const std::string& bytes) const { std::ofstream(file_.c_str(), std::ios::binary) << bytes; }
  bool FileExists() const { return ::GetFileAttributesW(file_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::vector<IconPoint> PositionsIn(const FakeDesktop& desktop) const {
    Win32DesktopIcons icons(desktop.list());
    return icons.Positions();
  }

  std::wstring folder_;
  std::wstring file_;
};

std::string KnownFile() {
  std::string bytes;
  for (auto icon : kFakeDesktopIcons) bytes += std::to_string(icon.x) + ";" + std::to_string(icon.y) + "\r\n";
  return bytes;
}

TEST_F(IconPositions, SaveWritesOneLinePerIconAndRestorePutsMovedIconsBack) {
  FakeDesktop desktop;
  ASSERT_TRUE(desktop.running());
  ASSERT_EQ(FindDesktopListView(), desktop.list());

  SaveDesktopIconPositions(folder_);
  EXPECT_EQ(FileBytes(), "10;20\r\n-40;75\r\n300;-8\r\n-123;-456\r\n");
  ASSERT_EQ(FileBytes(), KnownFile());

  for (int i = 0; i < static_cast<int>(kFakeDesktopIcons.size()); ++i) desktop.Move(i, 500 + i, 400 - i);
  ASSERT_EQ(PositionsIn(desktop)[0].x, 500);
  FakeDialogs dialogs;
  RestoreDesktopIconPositions(folder_, dialogs);

  EXPECT_TRUE(dialogs.shown.empty());
  std::vector<IconPoint> restored = PositionsIn(desktop);
  ASSERT_EQ(restored.size(), kFakeDesktopIcons.size());
  for (size_t i = 0; i < restored.size(); ++i) {
    EXPECT_EQ(restored[i].x, kFakeDesktopIcons[i].x) << i;
    EXPECT_EQ(restored[i].y, kFakeDesktopIcons[i].y) << i;
  }
}

TEST_F(IconPositions, ExtraFieldsAreIgnoredAndALineWithoutASecondStopsTheRestore) {
  FakeDesktop desktop;
  ASSERT_TRUE(desktop.running());
  WriteFileBytes("1;2\r\n10;20;30\r\n10\r\n7;7\r\n");
  FakeDialogs dialogs;

  EXPECT_THROW(RestoreDesktopIconPositions(folder_, dialogs), ConvertError);

  std::vector<IconPoint> now = PositionsIn(desktop);
  ASSERT_EQ(now.size(), kFakeDesktopIcons.size());
  EXPECT_EQ(now[0].x, 1);
  EXPECT_EQ(now[0].y, 2);
  EXPECT_EQ(now[1].x, 10);
  EXPECT_EQ(now[1].y, 20);
  EXPECT_EQ(now[2].x, kFakeDesktopIcons[2].x);  // the bad line and all after it: untouched
  EXPECT_EQ(now[3].y, kFakeDesktopIcons[3].y);
}

TEST_F(IconPositions, WithoutSavedPositionsTheUserIsTold) {
  FakeDesktop desktop;
  ASSERT_TRUE(desktop.running());
  for (bool emptyFile : {false, true}) {
    if (emptyFile) WriteFileBytes("");
    FakeDialogs dialogs;
    RestoreDesktopIconPositions(folder_, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.shown[0].text, kIconPositionsNotSaved);
  }
  EXPECT_EQ(PositionsIn(desktop)[1].x, kFakeDesktopIcons[1].x);
}

TEST_F(IconPositions, WithoutADesktopListBothButtonsDoNothing) {
  ASSERT_EQ(FindDesktopListView(), nullptr);  // Wine's desktop has none
  SaveDesktopIconPositions(folder_);
  EXPECT_FALSE(FileExists());
  FakeDialogs dialogs;
  RestoreDesktopIconPositions(folder_, dialogs);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(RemoteBuffer, RaisesForAProcessThatCannotBeOpenedAndIdlesWhenClosed) {
  RemoteBuffer buffer;
  EXPECT_THROW(buffer.OpenRemoteBuffer(0xFFFFFFF0, 4095), OsError);
  char local[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  buffer.WriteRemoteBuffer(local, reinterpret_cast<void*>(0x1000), sizeof local);
  EXPECT_EQ(buffer.ReadRemoteBuffer(reinterpret_cast<void*>(0x1000), local, sizeof local), 0u);
  EXPECT_NO_THROW(buffer.CloseRemoteBuffer());
}

TEST(RemoteBuffer, RoundTripsBytesThroughAnotherProcess) {
  FakeDesktop desktop;
  ASSERT_TRUE(desktop.running());
  DWORD processId = 0;
  ::GetWindowThreadProcessId(desktop.list(), &processId);
  RemoteBuffer buffer;
  buffer.OpenRemoteBuffer(processId, 4095);
  ASSERT_NE(buffer.address(), nullptr);
  const char sent[] = "remote";
  char back[sizeof sent] = {};
  void* at = static_cast<char*>(buffer.address()) + 4095 - sizeof sent;
  buffer.WriteRemoteBuffer(sent, at, sizeof sent);
  EXPECT_EQ(buffer.ReadRemoteBuffer(at, back, sizeof back), sizeof back);
  EXPECT_STREQ(back, sent);
  buffer.CloseRemoteBuffer();
  EXPECT_EQ(buffer.address(), nullptr);
  EXPECT_EQ(buffer.ReadRemoteBuffer(at, back, sizeof back), 0u);
}

}  // namespace
}  // namespace teko
