#include "app/forms.h"

namespace teko {

Forms& AppForms() {
  static Forms forms;
  return forms;
}

}  // namespace teko
