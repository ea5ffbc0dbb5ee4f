#include "sysinfo/computer_info.h"

namespace teko {

namespace {

template <typename T, typename... Args>
T& CreatedOnce(std::unique_ptr<T>& object, Args&... args) {
  if (!object) object = std::make_unique<T>(args...);
  return *object;
}

}  // namespace

TComputerInfo::TComputerInfo(const ComputerInfoSeams& seams)
    : seams_(seams), registry_(seams.registry, seams.system) {}

TOSVersionInfo& TComputerInfo::OS() { return CreatedOnce(os_, seams_.system, registry_); }
TCPUInfo& TComputerInfo::CPU() { return CreatedOnce(cpu_, seams_); }
TMemInfo& TComputerInfo::Memory() { return CreatedOnce(memory_, seams_); }
TIdentification& TComputerInfo::Identification() {
  return CreatedOnce(identification_, seams_.identity, seams_.sockets, seams_.system, registry_);
}
TSystemFolders& TComputerInfo::Folders() {
  return CreatedOnce(folders_, seams_.folders, seams_.environment, registry_);
}
TScreenInfo& TComputerInfo::Screen() { return CreatedOnce(screen_, seams_); }
TMiscInfo& TComputerInfo::Misc() { return CreatedOnce(misc_, registry_, seams_.folders); }
TAPMInfo& TComputerInfo::APM() { return CreatedOnce(apm_, seams_); }
TMetricsInfo& TComputerInfo::Metrics() { return CreatedOnce(metrics_, seams_); }
TSystemParametersInfo& TComputerInfo::System() { return CreatedOnce(system_, seams_.system); }
TFileInfo& TComputerInfo::FileInfo() { return CreatedOnce(fileInfo_, seams_); }

}  // namespace teko
