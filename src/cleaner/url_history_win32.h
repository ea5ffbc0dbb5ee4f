#pragma once
#include <memory>

#include "cleaner/url_history.h"

namespace teko {

// The URL history COM object through its IUrlHistoryStg2 interface; nothing
// when it cannot be created (no such class, or no COM apartment).
std::unique_ptr<UrlHistoryStore> CreateWin32UrlHistoryStore();

}  // namespace teko
