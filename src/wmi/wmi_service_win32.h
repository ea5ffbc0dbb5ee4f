#pragma once
// The management service through its scripting objects (SWbemLocator and
// what it hands out). Needs a thread that joined a COM apartment.
#include <memory>

#include "wmi/wmi_service.h"

namespace teko {

std::unique_ptr<WmiService> MakeScriptingWmiService();

}  // namespace teko
