#include "app/app_tool_windows.h"

#include "ui/application.h"

namespace teko {

// The windows after the main one are made once it has painted; a click that
// comes sooner makes them first.

void AppToolWindows::ShowCleanerModal() {
  ui::Application::Instance().FinishStartup();
  cleaner_.ShowModal();
}

void AppToolWindows::ShowSearch() {
  ui::Application::Instance().FinishStartup();
  search_.Show();
}

void AppToolWindows::ShowShredderModal() {
  ui::Application::Instance().FinishStartup();
  shredder_.ShowModal();
}

}  // namespace teko
