// teko.exe: the application object, the five windows in their order, and
// the message loop until the main window closes.
#include <windows.h>

#include "app/forms.h"
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

  TFormSysInfo formSysInfo;
  TFormCleaner formCleaner;
  TFormSearch formSearch;
  TFormLog formLog;
  TFormDateien formDateien;
  Forms& forms = AppForms();
  forms = Forms{&formSysInfo, &formCleaner, &formSearch, &formLog, &formDateien};

  bool created = ui::Guarded([&] {
    formSysInfo.Create();
    application.SetMainForm(&formSysInfo);
  });
  if (!created) return 1;
  MarkStartupStep(L"main window created");
  // The other four windows follow the main window in their order once it
  // has painted, still before any input is handled; asking for one of them
  // (AppForms) creates them all first.
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
  int code = application.Run();
  forms = Forms{};
  return code;
}
