#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "ui/application.h"
#include "ui/directory_list.h"
#include "ui/drive_combo.h"
#include "ui/file_list.h"
#include "ui/form.h"

namespace teko::ui {
namespace {

TEST(DirectoryEntries, ThePathFromTheRootThenTheSubfolders) {
  auto entries = DirectoryEntries(L"C:\\a\\b\\", {L"x", L"y"});
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].path, L"C:\\");
  EXPECT_EQ(entries[1].path, L"C:\\a");
  EXPECT_EQ(entries[2].path, L"C:\\a\\b");
  EXPECT_EQ(entries[2].caption, L"b");
  EXPECT_EQ(entries[3].path, L"C:\\a\\b\\x");
  EXPECT_EQ(entries[3].indent, 3);
  EXPECT_EQ(entries[4].path, L"C:\\a\\b\\y");  // beside x, not inside it
  EXPECT_TRUE(entries[2].onPath);
  EXPECT_FALSE(entries[4].onPath);

  auto root = DirectoryEntries(L"C:\\", {L"w"});
  ASSERT_EQ(root.size(), 2u);
  EXPECT_EQ(root[1].path, L"C:\\w");
  EXPECT_EQ(root[1].indent, 1);
}

TEST(FileListEntries, FoldersFirstWithABlankThenFilesEachByName) {
  std::vector<DirEntry> listing = {{L"."}, {L".."}, {L"z.txt"}, {L"b", L"", 0x10}, {L"A.txt"}, {L"a", L"", 0x10}};
  auto entries = FileListEntries(listing);
  std::vector<std::wstring> captions;
  for (const auto& entry : entries) captions.push_back(entry.caption);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L" a", L" b", L"A.txt", L"z.txt"}));
}

class WidgetForm : public Form {
 public:
  WidgetForm() : Form(FormSpec{L"TekoWidgetTest", L"widgets", 400, 300}) {}
  void Create() {
    CreateForm();
    static const ControlSpec layout[] = {
        {ControlKind::IconComboBox, L"Drives", 8, 8, 180, 22},
        {ControlKind::IconList, L"Folders", 8, 40, 180, 200},
        {ControlKind::IconList, L"Files", 200, 40, 180, 200, {}, style::kMultiSelect},
    };
    AddControls(layout, 100);
    drives.Attach(*this, L"Drives", {DRIVE_FIXED}, [this] { ++driveChanges; });
    folders.Attach(*this, L"Folders", [this] { files.SetDirectory(folders.Directory()); });
    files.Attach(*this, L"Files");
  }
  DriveCombo drives;
  DirectoryList folders;
  FileList files;
  int driveChanges = 0;
};

TEST(Widgets, ShowARealFolder) {
  Application::Instance().Initialize();
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring root = std::wstring(temp) + L"teko-widgets";
  ::CreateDirectoryW(root.c_str(), nullptr);
  ::CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
  std::ofstream((root + L"\\b.txt").c_str()) << "b";
  std::ofstream((root + L"\\a.txt").c_str()) << "a";

  WidgetForm form;
  form.Create();
  EXPECT_EQ(form.drives.Drive(), L'\0') << "drives are listed on Fill, not when bound";
  form.drives.Fill();
  EXPECT_EQ(form.drives.Drive(), L'C');
  form.folders.SetDirectory(root);
  EXPECT_EQ(form.files.Directory(), form.folders.Directory());
  ASSERT_EQ(form.files.Count(), 3);
  EXPECT_EQ(form.files.ItemText(0), L" sub");
  EXPECT_EQ(form.files.ItemText(1), L"a.txt");
  EXPECT_EQ(form.files.ItemText(2), L"b.txt");
  const auto& paths = form.folders.EntryPaths();
  ASSERT_FALSE(paths.empty());
  EXPECT_EQ(paths.back(), root + L"\\sub");

  ::DeleteFileW((root + L"\\a.txt").c_str());
  ::DeleteFileW((root + L"\\b.txt").c_str());
  ::RemoveDirectoryW((root + L"\\sub").c_str());
  ::RemoveDirectoryW(root.c_str());
}

}  // namespace
}  // namespace teko::ui
