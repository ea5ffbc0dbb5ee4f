#pragma once
// The management service through its scripting objects (SWbemLocator and
// what it hands out). Needs a thread that joined a COM apartment.
#include <cstdint>
#include <memory>
#include <string_view>

#include "wmi/wmi_service.h"

namespace teko {

// Connects to `space` of the local computer.
std::unique_ptr<WmiService> MakeScriptingWmiService(std::wstring_view space = L"root\\cimv2");

// Runs a static method of a class in `space` with one text in-parameter and
// returns its "ReturnValue". Throws OsError when the method cannot be run.
uint32_t ExecStaticWmiMethod(std::wstring_view space, std::wstring_view className, std::wstring_view method,
                             std::wstring_view parameter, std::wstring_view value);

}  // namespace teko
