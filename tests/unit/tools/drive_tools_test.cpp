#include "tools/drive_tools.h"

#include <gtest/gtest.h>

#include <map>

#include "support/fake_dialogs.h"

namespace teko {
namespace {

struct FakeDrives final : DriveQuery {
  uint32_t LogicalDrives() override { return mask; }
  unsigned DriveType(std::wstring_view root) override {
    roots.emplace_back(root);
    auto it = types.find(std::wstring(root));
    return it == types.end() ? 1 : it->second;
  }
  uint32_t mask = 0b11100;  // C, D, E
  std::map<std::wstring, unsigned> types{{L"C:\\", 3}, {L"D:\\", 5}, {L"E:\\", 2}};
  std::vector<std::wstring> roots;
};

struct FakeMedia final : MediaCommands {
  uint32_t Send(std::wstring_view command) override {
    commands.emplace_back(command);
    return commands.size() == 1 ? openResult : 0;
  }
  uint32_t openResult = 0;
  std::vector<std::wstring> commands;
};

TEST(DriveTypeText, OneWordPerPlatformType) {
  FakeDrives drives;
  EXPECT_EQ(GetDriveTypeText(drives, L'C'), L"HD");
  EXPECT_EQ(GetDriveTypeText(drives, L'D'), L"CDROM");
  EXPECT_EQ(GetDriveTypeText(drives, L'E'), L"Disc");
  EXPECT_EQ(GetDriveTypeText(drives, L'q'), L"No root");
  EXPECT_EQ(drives.roots.back(), L"q:\\");
  const wchar_t* words[] = {L"Unknown", L"No root", L"Disc", L"HD", L"Netdrive", L"CDROM", L"RAMDisc"};
  for (unsigned type = 0; type < 7; ++type) EXPECT_EQ(DriveTypeWord(type), words[type]);
  EXPECT_EQ(DriveTypeWord(7), L"Unknown");
}

TEST(DriveTypeText, NoDrivesAtAllIsUnknownWithoutAskingTheDrive) {
  FakeDrives drives;
  drives.mask = 0;
  EXPECT_EQ(GetDriveTypeText(drives, L'C'), L"UnKnown");
  EXPECT_TRUE(drives.roots.empty());
}

TEST(DiscTray, OnlyAnOpticalDriveMovesAndOtherDrivesGetTheMessage) {
  FakeDrives drives;
  FakeMedia media;
  testing::FakeDialogs dialogs;
  MoveDiscTray(drives, media, dialogs, L'C', true);
  MoveDiscTray(drives, media, dialogs, 0, false);  // nothing selected
  EXPECT_TRUE(media.commands.empty());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.shown[0].text, L"No CDROM/DVD Drive!");

  MoveDiscTray(drives, media, dialogs, L'D', true);
  EXPECT_EQ(media.commands, (std::vector<std::wstring>{L"open D: type cdaudio alias cdlw", L"set cdlw door open wait",
                                                       L"close cdlw"}));
  media.commands.clear();
  MoveDiscTray(drives, media, dialogs, L'D', false);
  EXPECT_EQ(media.commands[1], L"set cdlw door closed wait");
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST(DiscTray, AFailedOpenSendsNothingMoreAndSaysNothing) {
  FakeMedia media;
  media.openResult = 275;  // the device cannot be found
  SetDiscDoor(media, L'D', true);
  EXPECT_EQ(media.commands, (std::vector<std::wstring>{L"open D: type cdaudio alias cdlw"}));
}

}  // namespace
}  // namespace teko
