#include "sysinfo/cpu_info.h"

#include "sysinfo/processor_names.h"

namespace teko {

std::wstring TCPUInfo::Name() { return FieldText(Identify().Name); }
std::wstring TCPUInfo::Manufacturer() { return FieldText(Identify().Manufacturer); }
std::wstring TCPUInfo::VendorIDString() { return FieldText(Identify().VendorIDString); }
uint8_t TCPUInfo::PhysicalCore() { return Identify().PhysicalCore; }
CoreSplit TCPUInfo::PhysicalCoreSplit() {
  TProcessorRecord record = Identify();
  return {record.PerformanceCores, record.EfficientCores};
}
int64_t TCPUInfo::NormFreq() { return Identify().Clock.NormFreq; }
uint32_t TCPUInfo::L1CodeCache() { return Identify().L1CodeCache; }
uint32_t TCPUInfo::L1DataCache() { return Identify().L1DataCache; }
uint32_t TCPUInfo::L2Cache() { return Identify().L2Cache; }
uint32_t TCPUInfo::L3Cache() { return Identify().L3Cache; }
bool TCPUInfo::Is64Bits() { return Identify().Is64Bits; }
bool TCPUInfo::HyperThreadingTechnology() { return Identify().HyperThreadingTechnology; }
bool TCPUInfo::MMX() { return Identify().MMX; }
bool TCPUInfo::Ex3DNow() { return Identify().Ex3DNow; }

}  // namespace teko
