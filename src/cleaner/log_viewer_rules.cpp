#include "cleaner/log_viewer_rules.h"

#include "core/text.h"

namespace teko {

bool HasLogText(std::wstring_view text) { return !Trim(text).empty(); }

}  // namespace teko
