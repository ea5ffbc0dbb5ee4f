// teko.exe: the application object, the five windows in their order, and
// the message loop until the main window closes.
#include <windows.h>

#include "app/app_tool_windows.h"
#include "app/main_window.h"
#include "cleaner/cleaner_window.h"
#include "cleaner/log_window.h"
#include "platform/startup_steps_win32.h"
#include "search/search_window.h"
#include "shredder/shredder_window.h"
#include "ui/application.h"
#include "ui/error_boundary.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace teko;
  MarkStartupStep(L"entry");
  auto& application = ui::Application::Instance();
  application.Initialize();
  application.SetTitle(L"Teko");
  MarkStartupStep(L"application initialised");

  // Made in the order their references need; created below in the program's order.
  TFormLog formLog;
  TFormCleaner formCleaner(formLog);
  TFormSearch formSearch;
  TFormDateien formDateien;
  AppToolWindows toolWindows(formCleaner, formSearch, formDateien);
  TFormSysInfo formSysInfo(toolWindows);

  bool created = ui::Guarded([&] {
    formSysInfo.Create();
    application.SetMainForm(&formSysInfo);
  });
  if (!created) return 1;
  MarkStartupStep(L"main window created");
  // The other four windows follow the main window in their order once it
  // has painted, still before any input is handled; asking for one of them
  // creates them all first.
  application.AfterFirstPaint([&] {
    bool others = ui::Guarded([&] {
      formCleaner.Create(formSysInfo.handle());
      formSearch.Create(formSysInfo.handle());
      formLog.Create(formSysInfo.handle());
      formDateien.Create(formSysInfo.handle());
    });
    // Without all five windows the program does not run.
    if (!others) ::PostQuitMessage(1);
  });
  ui::Guarded([&] { formSysInfo.Show(); });
  MarkStartupStep(L"main window shown and painted");
  return application.Run();
}
