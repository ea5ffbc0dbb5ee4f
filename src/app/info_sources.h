#pragma once
// What the information page fillers read: the computer information
// component and the other services of the pages. The main window owns one
// (its ComputerInfo); tekoinfo and the tests make their own.
#include "app/online_check.h"
#include "sysinfo/computer_info.h"

namespace teko {

struct InfoSources {
  InfoSources(const ComputerInfoSeams& seams, OnlineCheck& online) : ComputerInfo(seams), Online(online) {}

  TComputerInfo ComputerInfo;
  OnlineCheck& Online;
};

}  // namespace teko
