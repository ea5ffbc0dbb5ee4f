// The small utilities against Wine's real clipboard, screen and recycle bin.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/clipboard_win32.h"
#include "support/recycle_bin_win32.h"
#include "system/clipboard_win32.h"
#include "system/recycle_bin_win32.h"
#include "tools/screenshot_win32.h"
#include "ui/application.h"
#include "ui/clipboard_viewer.h"
#include "ui/form.h"

namespace teko {
namespace {

using testing::ClipboardText;

void PumpUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    ui::Application::Instance().ProcessMessages();
    ::Sleep(10);
  }
}

// A window with the viewer and a magenta patch the screenshot must not show.
class ViewerForm : public ui::Form {
 public:
  ViewerForm() : ui::Form(MakeSpec()) {}
  void Create() {
    CreateForm();
    static const ui::ControlSpec layout[] = {{ui::ControlKind::ClipboardViewer, L"Viewer", 8, 8, 200, 150}};
    AddControls(layout, 100);
  }
  std::wstring Shown() const { return controls().Text(L"Viewer"); }

 private:
  static ui::FormSpec MakeSpec() {
    ui::FormSpec description{L"TekoViewerTest", L"viewer", 400, 300};
    description.background = RGB(255, 0, 255);
    return description;
  }
};

class Utilities : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Application::Instance().Initialize();
    form.Create();
    form.Show();
  }
  ViewerForm form;
};

TEST_F(Utilities, TheViewerFollowsTextThenClearing) {
  ASSERT_TRUE(PutTextOnClipboard(form.handle(), L"Grüße aus dem Test"));
  EXPECT_EQ(ClipboardText(), L"Grüße aus dem Test");
  PumpUntil([&] { return form.Shown() == L"Grüße aus dem Test"; });
  EXPECT_EQ(form.Shown(), L"Grüße aus dem Test");

  ClearClipboard(form.handle());
  EXPECT_EQ(::CountClipboardFormats(), 0);
  PumpUntil([&] { return form.Shown().empty(); });
  EXPECT_EQ(form.Shown(), L"");
}

TEST_F(Utilities, AScreenshotIsTheWholeScreenWithoutTheMainWindow) {
  RECT window;
  ::GetWindowRect(form.handle(), &window);
  TakeScreenshot(form);
  EXPECT_TRUE(::IsWindowVisible(form.handle()));

  ASSERT_TRUE(::OpenClipboard(nullptr));
  auto bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(info.bmHeight, ::GetSystemMetrics(SM_CYSCREEN));
  HDC memory = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  COLORREF middle = ::GetPixel(memory, (window.left + window.right) / 2, (window.top + window.bottom) / 2 + 60);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::CloseClipboard();
  EXPECT_NE(middle, RGB(255, 0, 255)) << "the window was on the picture";

  std::wstring expected = L"Picture " + std::to_wstring(info.bmWidth) + L" x " + std::to_wstring(info.bmHeight);
  PumpUntil([&] { return form.Shown() == expected; });
  EXPECT_EQ(form.Shown(), expected);
}

TEST(FitPicture, ShrinksToTheBoxKeepingProportionsButNeverEnlarges) {
  auto fit = [](LONG w, LONG h, LONG bw, LONG bh) {
    SIZE s = ui::FitPicture(SIZE{w, h}, SIZE{bw, bh});
    return std::make_pair(s.cx, s.cy);
  };
  EXPECT_EQ(fit(100, 50, 400, 236), std::make_pair(100L, 50L));
  EXPECT_EQ(fit(1280, 1024, 392, 228), std::make_pair(285L, 228L));
  EXPECT_EQ(fit(4000, 10, 392, 228), std::make_pair(392L, 1L));
  EXPECT_EQ(fit(10, 4000, 392, 228), std::make_pair(1L, 228L));
  EXPECT_EQ(fit(0, 10, 392, 228), std::make_pair(0L, 0L));
}

TEST(RecycleBin, EmptyingTakesEverythingWithoutAsking) {
  std::wstring file = testing::RecycleNewFile(L"teko-recycled.txt");
  ASSERT_FALSE(file.empty());
  ASSERT_GT(testing::ItemsInRecycleBin(), 0);

  EmptyRecycleBin(nullptr);
  EXPECT_EQ(testing::ItemsInRecycleBin(), 0);
  EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace teko
