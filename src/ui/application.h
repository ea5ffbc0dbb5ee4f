#pragma once
// The application object: COM apartment, common controls, the message loop
// with key preview and dialog navigation, the title and the one help file.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace teko::ui {

class Form;

class Application {
 public:
  static Application& Instance();

  // Joins the main thread to a single-threaded COM apartment (WMI relies on
  // it) and registers the control classes.
  void Initialize();
  void SetTitle(std::wstring_view title) { title_ = title; }
  const std::wstring& title() const { return title_; }
  void SetMainForm(Form* form) { mainForm_ = form; }
  Form* mainForm() const { return mainForm_; }
  HWND mainWindow() const;

  // Start-up work the first paint does not need: it runs, in the order
  // given, from the message loop once the main window has painted and
  // before any input is handled; or earlier, at FinishStartup().
  void AfterFirstPaint(std::function<void()> work) { startupWork_.push_back(std::move(work)); }
  // Runs the start-up work still waiting, for what needs it done now.
  void FinishStartup();
  // The message loop, until the main window closes or Terminate().
  int Run();
  // Handles the messages waiting now and returns.
  void ProcessMessages();
  // Ends the message loop in order, as closing the main window does.
  void Terminate();
  bool terminated() const { return terminated_; }
  // One message through key preview, dialog navigation and dispatch.
  void DispatchOne(MSG& message);

  void SetHelpFile(std::wstring_view path) { helpFile_ = path; }
  const std::wstring& helpFile() const { return helpFile_; }
  // Asks the HTML Help viewer (loaded on first use) for a context of the
  // current help file.
  void ShowHelpContext(HWND owner, unsigned context);

 private:
  Application() = default;
  std::wstring title_ = L"Teko";
  Form* mainForm_ = nullptr;
  std::wstring helpFile_;
  bool terminated_ = false;
  bool comJoined_ = false;
  HMODULE htmlHelp_ = nullptr;
  std::vector<std::function<void()>> startupWork_;
};

// Posted to the main window to run the start-up work after its first paint.
inline constexpr UINT kFinishStartupMessage = WM_APP;

}  // namespace teko::ui
