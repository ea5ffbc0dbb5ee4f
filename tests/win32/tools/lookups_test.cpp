// Host lookup and drive facts against Wine's sockets and drives.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/fake_dialogs.h"
#include "tools/drive_tools_win32.h"
#include "tools/host_resolver_win32.h"
#include "ui/application.h"
#include "ui/drive_list.h"
#include "ui/form.h"

namespace teko {
namespace {

TEST(HostResolver, LocalhostIsTheLoopbackAddress) {
  Win32HostResolver resolver;
  EXPECT_EQ(LookUpHost(resolver, L"localhost"), L"127.0.0.1");
  EXPECT_EQ(LookUpHost(resolver, L"127.0.0.1"), L"127.0.0.1");
  // Started and cleaned up each time: a second lookup works the same.
  EXPECT_EQ(LookUpHost(resolver, L"localhost"), L"127.0.0.1");
}

TEST(DriveTools, TheSystemDriveIsAHardDiskAndItsTrayStaysShut) {
  Win32DriveQuery drives;
  EXPECT_EQ(GetDriveTypeText(drives, L'C'), L"HD");
  EXPECT_EQ(GetDriveTypeText(drives, L'c'), L"HD");
  Win32MediaCommands media;
  testing::FakeDialogs dialogs;
  MoveDiscTray(drives, media, dialogs, L'C', true);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"No CDROM/DVD Drive!");
}

TEST(DriveTools, OpeningATrayOfADriveThatIsNoDiscFailsQuietly) {
  Win32MediaCommands media;
  EXPECT_NE(media.Send(L"open Q: type cdaudio alias cdlw"), 0u);
  EXPECT_NE(media.Send(L"close cdlw"), 0u);  // nothing was left open
}

class DriveForm : public ui::Form {
 public:
  DriveForm() : ui::Form(ui::FormSpec{L"TekoDriveListTest", L"drives", 300, 300}) {}
  void Create() {
    CreateForm();
    static const ui::ControlSpec layout[] = {{ui::ControlKind::IconList, L"Drives", 8, 8, 249, 243}};
    AddControls(layout, 100);
    drives.Attach(*this, L"Drives", {DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM, DRIVE_REMOVABLE, DRIVE_RAMDISK});
  }
  ui::DriveList drives;
};

TEST(DriveList, ListsTheDrivesWithCSelected) {
  ui::Application::Instance().Initialize();
  DriveForm form;
  form.Create();
  EXPECT_EQ(form.drives.Drive(), L'\0') << "drives are listed on Fill, not when bound";
  form.drives.Fill();
  EXPECT_EQ(form.drives.Drive(), L'C');
  EXPECT_FALSE(form.drives.SelectDrive(L'Q'));
  EXPECT_EQ(form.drives.Drive(), L'C');
  form.drives.Fill();
  EXPECT_EQ(form.drives.Drive(), L'C');
}

}  // namespace
}  // namespace teko
