#include "ui/form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ui/application.h"

namespace teko::ui {
namespace {

// A window whose controls come on first need, counting what runs.
class LateForm : public Form {
 public:
  LateForm() : Form(FormSpec{L"TekoLateFormTest", L"late", 300, 200}) {}
  void Create() {
    CreateForm(nullptr, [this] {
      ++created;
      static const ControlSpec layout[] = {{ControlKind::Button, L"Go", 8, 8, 80, 25, L"Go"}};
      AddControls(layout, 100);
      controls().Handle(L"Go");  // asking again while creating must not start over
    });
  }
  int created = 0;
  int shown = 0;
  int closed = 0;
  int resized = 0;

 private:
  void FormShow() override { ++shown; }
  void FormClose() override { ++closed; }
  void FormResize() override { ++resized; }
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int ChildWindows(HWND window) {
  int count = 0;
  ::EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(LateControls, ComeWithTheFirstShowingOnlyOnceAndNotBefore) {
  Application::Instance().Initialize();
  LateForm form;
  form.Create();
  ASSERT_NE(form.handle(), nullptr);
  EXPECT_EQ(ChildWindows(form.handle()), 0);
  // A hidden window that never had its controls has nothing to close or lay out.
  ::SetWindowPos(form.handle(), nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(form.handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.created, 0);
  EXPECT_EQ(form.closed, 0);
  EXPECT_EQ(form.resized, 0);

  form.Show();
  EXPECT_EQ(form.created, 1);
  EXPECT_EQ(form.shown, 1);
  EXPECT_EQ(ChildWindows(form.handle()), 1);
  form.Hide();
  form.Show();
  EXPECT_EQ(form.created, 1);
  ::SendMessageW(form.handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.closed, 1);
}

TEST(LateControls, AskingForAControlBringsThemIn) {
  Application::Instance().Initialize();
  LateForm form;
  form.Create();
  EXPECT_NE(form.controls().Handle(L"Go"), nullptr);
  EXPECT_EQ(form.created, 1);
  EXPECT_FALSE(form.IsVisible());
}

class MainForm : public Form {
 public:
  MainForm() : Form(MainSpec()) {}

 private:
  static FormSpec MainSpec() {
    FormSpec description{L"TekoMainFormTest", L"main", 300, 200};
    description.mainWindow = true;
    return description;
  }
};

// Work queued for after the first paint waits for the message loop, runs
// once and in order, also when a piece of it asks for the rest first.
TEST(StartupWork, WaitsForTheLoopAndRunsOnceInOrder) {
  Application& application = Application::Instance();
  application.Initialize();
  MainForm form;
  form.CreateForm();
  application.SetMainForm(&form);
  std::vector<int> ran;
  application.AfterFirstPaint([&] {
    ran.push_back(1);
    application.FinishStartup();
  });
  application.AfterFirstPaint([&] {
    ran.push_back(2);
    form.Close();
  });
  form.Show();
  EXPECT_TRUE(ran.empty());
  application.Run();
  application.SetMainForm(nullptr);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace teko::ui
