#include "sysinfo/identify_processor.h"

#include <algorithm>
#include <string_view>

#include "sysinfo/processor_clock.h"
#include "sysinfo/processor_decoders.h"
#include "sysinfo/processor_names.h"

namespace teko {

namespace {

using Decoder = void (*)(CpuidSource&, uint32_t, TProcessorRecord&);

struct Vendor {
  std::string_view id;
  Decoder decode;
};

constexpr Vendor kVendors[] = {
    {"GenuineIntel", DecodeIntel}, {"AuthenticAMD", DecodeAmd},         {"CyrixInstead", DecodeCyrix},
    {"CentaurHauls", DecodeVia},   {"GenuineTMx86", DecodeTransmeta},
};

uint8_t Clamped(unsigned count) { return static_cast<uint8_t>(std::min(count, 255u)); }

// Where the platform counts the cores, its count wins: CPUID's first rules
// count IDs, and one processor's registers cannot tell a hybrid split. Its
// split is taken only when it adds up to its cores.
void TakeCoresFromPlatform(ProcessorTopology* topology, TProcessorRecord& record) {
  if (!topology || (record.CPUType != cpuIntel && record.CPUType != cpuAMD)) return;
  std::optional<PlatformCores> platform = topology->CoresPerPackage();
  if (!platform || platform->cores == 0) return;
  record.PhysicalCore = Clamped(platform->cores);
  if (platform->logical >= platform->cores) record.LogicalCore = Clamped(platform->logical);
  const bool split = platform->performance > 0 && platform->efficient > 0 &&
                     platform->performance + platform->efficient == platform->cores;
  record.PerformanceCores = split ? Clamped(platform->performance) : 0;
  record.EfficientCores = split ? Clamped(platform->efficient) : 0;
  record.CoreOrigin = CoreCountOrigin::Platform;
}

// The floating-point division check of the old Pentium processors.
bool FdivIsCorrect() {
  // volatile keeps the compiler from folding the division at build time.
  volatile double dividend = 2658955.0;
  volatile double pi = 3.14159265358979323846;
  double quotient = dividend / pi;
  return dividend - quotient * pi < 1.0;
}

}  // namespace

TProcessorRecord IdentifyProcessor(const ProcessorPlatform& platform) {
  TProcessorRecord record;
  CpuidSource& cpuid = platform.cpuid;
  if (!cpuid.Available()) {
    record.Family = 4;  // a processor without CPUID is taken for a 486
  } else {
    record.HasInstruction = true;
    CpuidRegisters leaf0 = cpuid.Query(0, 0);
    StoreRegisterBytes(record.VendorIDString, 0, {leaf0.ebx, leaf0.edx, leaf0.ecx});
    const std::string_view vendorId(record.VendorIDString.data(), record.VendorIDString.size());
    auto vendor = std::find_if(std::begin(kVendors), std::end(kVendors), [&](const Vendor& v) { return v.id == vendorId; });
    if (vendor != std::end(kVendors)) {
      vendor->decode(cpuid, leaf0.eax, record);
    } else {
      DecodeStandardLeaf(cpuid, leaf0.eax, record);
    }
  }
  if (record.CPUType == cpuUnknown) {
    StoreText(record.Manufacturer, "Unknown");
    StoreText(record.Name, "Unknown");
  }
  TakeCoresFromPlatform(platform.topology, record);
  record.IsFDIVOK = FdivIsCorrect();
  if (record.HasInstruction && Bit(record.FeatureFlags, 4)) MeasureClock(record.Clock, platform.clock);
  return record;
}

}  // namespace teko
