#include "cleaner/log_window.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "support/fake_dialogs.h"
#include "support/temp_tree_win32.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/error_boundary.h"

namespace teko {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ScriptedSaveDialog final : public ui::SaveDialog {
 public:
  std::optional<std::wstring> Execute(HWND) override {
    ++asked;
    return answer;
  }
  std::optional<std::wstring> answer;
  int asked = 0;
};

class LogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().Initialize();
    form.Create(nullptr);
  }
  void Press(const wchar_t* button) { ::SendMessageW(form.controls().Handle(button), BM_CLICK, 0, 0); }
  RECT BoundsOf(const wchar_t* control) {
    RECT rect;
    ::GetWindowRect(form.controls().Handle(control), &rect);
    ::MapWindowPoints(nullptr, form.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  testing::FakeDialogs dialogs;
  ScriptedSaveDialog saveDialog;
  TFormLog form{&dialogs, &saveDialog};
  testing::TempTree tree;
};

TEST_F(LogWindowTest, SavesTheEditedLinesOverAnExistingFile) {
  std::wstring path = tree.Path(L"cleaner.log");
  std::ofstream(path.c_str(), std::ios::binary) << std::string(300, 'o');
  saveDialog.answer = path;
  form.controls().SetText(L"Memo1", L"Deleted: C:\\a.tmp\r\nAccess denied: C:\\b.tmp\r\n\r\nmy note");

  Press(L"BtnSave");

  EXPECT_EQ(testing::FileBytes(path), "Deleted: C:\\a.tmp\r\nAccess denied: C:\\b.tmp\r\n\r\nmy note\r\n");
  EXPECT_THAT(dialogs.shown, IsEmpty());
}

TEST_F(LogWindowTest, LogOfBlanksHasNoTextToSave) {
  form.controls().SetText(L"Memo1", L"  \r\n\t\r\n");
  Press(L"BtnSave");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, L"No text available!");
  EXPECT_EQ(saveDialog.asked, 0);
}

TEST_F(LogWindowTest, CancelledDialogWritesNothingAndAFailedWriteGoesToTheErrorHandler) {
  form.controls().SetText(L"Memo1", L"Deleted: C:\\a.tmp");
  Press(L"BtnSave");
  EXPECT_EQ(saveDialog.asked, 1);
  EXPECT_THAT(tree.Contents(), IsEmpty());

  int errors = ui::UncaughtErrorCount();
  saveDialog.answer = tree.Path(L"no such folder\\cleaner.log");
  Press(L"BtnSave");
  EXPECT_EQ(ui::UncaughtErrorCount(), errors + 1);
  EXPECT_THAT(dialogs.shown, IsEmpty());
}

TEST_F(LogWindowTest, OpensLargeOnAWideScreenAndKeepsTheButtonsAboveTheBottomEdge) {
  form.Show();
  int dpi = form.dpi();
  if (::MulDiv(::GetSystemMetrics(SM_CXSCREEN), 96, dpi) >= 800) {
    EXPECT_EQ(form.OuterSize().cx, ui::Scale(750, dpi));
    EXPECT_EQ(form.OuterSize().cy, ui::Scale(550, dpi));
  }
  for (int height : {400, 700}) {
    form.SetOuterSize(ui::Scale(600, dpi), ui::Scale(height, dpi));
    int outer = form.OuterSize().cy;
    RECT client;
    ::GetClientRect(form.handle(), &client);
    EXPECT_EQ(BoundsOf(L"Memo1").bottom, outer - ui::Scale(125, dpi));
    EXPECT_EQ(BoundsOf(L"Memo1").right, client.right);
    EXPECT_EQ(BoundsOf(L"BtnSave").top, outer - ui::Scale(100, dpi));
    EXPECT_EQ(BoundsOf(L"BitBtn1").top, outer - ui::Scale(100, dpi));
    EXPECT_EQ(BoundsOf(L"BitBtn1").left, ui::Scale(358, dpi));
  }
  form.Hide();
}

TEST_F(LogWindowTest, ShowsTheLogModallyUntilExit) {
  ::PostMessageW(form.controls().Handle(L"BitBtn1"), BM_CLICK, 0, 0);
  std::vector<std::wstring> log{L"Deleted: C:\\a.tmp", L"Deleted: C:\\b.tmp"};
  EXPECT_EQ(form.ShowLog(log), ui::kModalCancel);
  EXPECT_THAT(form.controls().Lines(L"Memo1"), ElementsAre(log[0], log[1]));
  EXPECT_FALSE(form.IsVisible());
}

}  // namespace
}  // namespace teko
