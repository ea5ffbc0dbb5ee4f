#pragma once
// What the information page fillers read: the computer information
// component and the other services of the pages. The main window owns one
// (its ComputerInfo); tekoinfo and the tests make their own.
#include <memory>
#include <stdexcept>

#include "app/online_check.h"
#include "sysinfo/computer_info.h"
#include "wmi/memory_modules.h"
#include "wmi/wmi_refresh_reader.h"
#include "wmi/wmi_service.h"

namespace teko {

struct InfoSources {
  InfoSources(const ComputerInfoSeams& seams, OnlineCheck& online) : ComputerInfo(seams), Online(online) {}

  TComputerInfo ComputerInfo;
  OnlineCheck& Online;

  std::unique_ptr<WmiService> wmi;
  // Filled by the "MainBoard" refresh, shown by its bank list; kept from
  // one refresh to the next.
  MemoryModuleTable memoryModules;

  // The WMI reads of one page refresh.
  PerRefreshWmiReader WmiRefresh() {
    if (!wmi) throw std::logic_error("no WMI service");
    return PerRefreshWmiReader(*wmi, &memoryModules);
  }
};

}  // namespace teko
