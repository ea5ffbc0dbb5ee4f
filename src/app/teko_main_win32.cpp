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
    MarkStartupStep(L"main window created");
    formCleaner.Create(formSysInfo.handle());
    formSearch.Create(formSysInfo.handle());
    formLog.Create(formSysInfo.handle());
    formDateien.Create(formSysInfo.handle());
    MarkStartupStep(L"other four windows created");
  });
  if (!created) return 1;
  ui::Guarded([&] { formSysInfo.Show(); });
  MarkStartupStep(L"main window shown and painted");
  int code = application.Run();
  forms = Forms{};
  return code;
}
