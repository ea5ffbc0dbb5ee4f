#include "app/forms.h"

#include "ui/application.h"

namespace teko {

Forms& AppForms() {
  static Forms forms;
  // The windows after the main one may still wait for its first paint.
  ui::Application::Instance().FinishStartup();
  return forms;
}

}  // namespace teko
