#pragma once
// The computer information component: read-only properties in sub-objects,
// each created at its first access and read afresh at every property read.
#include <memory>

#include "sysinfo/apm_info.h"
#include "sysinfo/computer_info_seams.h"
#include "sysinfo/cpu_info.h"
#include "sysinfo/file_info.h"
#include "sysinfo/identification.h"
#include "sysinfo/memory_info.h"
#include "sysinfo/metrics_info.h"
#include "sysinfo/misc_info.h"
#include "sysinfo/os_version_info.h"
#include "sysinfo/registry_reader.h"
#include "sysinfo/screen_info.h"
#include "sysinfo/system_folders.h"
#include "sysinfo/system_parameters_info.h"

namespace teko {

class TComputerInfo {
 public:
  explicit TComputerInfo(const ComputerInfoSeams& seams);
  TComputerInfo(const TComputerInfo&) = delete;
  TComputerInfo& operator=(const TComputerInfo&) = delete;

  TOSVersionInfo& OS();
  TCPUInfo& CPU();
  TMemInfo& Memory();
  TIdentification& Identification();
  TSystemFolders& Folders();
  TScreenInfo& Screen();
  TMiscInfo& Misc();
  TAPMInfo& APM();
  TMetricsInfo& Metrics();
  TSystemParametersInfo& System();
  TFileInfo& FileInfo();

  const ComputerInfoSeams& seams() const { return seams_; }

 private:
  ComputerInfoSeams seams_;
  RegistryReader registry_;
  std::unique_ptr<TOSVersionInfo> os_;
  std::unique_ptr<TCPUInfo> cpu_;
  std::unique_ptr<TMemInfo> memory_;
  std::unique_ptr<TIdentification> identification_;
  std::unique_ptr<TSystemFolders> folders_;
  std::unique_ptr<TScreenInfo> screen_;
  std::unique_ptr<TMiscInfo> misc_;
  std::unique_ptr<TAPMInfo> apm_;
  std::unique_ptr<TMetricsInfo> metrics_;
  std::unique_ptr<TSystemParametersInfo> system_;
  std::unique_ptr<TFileInfo> fileInfo_;
};

}  // namespace teko
