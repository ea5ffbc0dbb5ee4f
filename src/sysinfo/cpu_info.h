#pragma once
// The processor. Every read identifies it afresh, clock measurement
// included, and returns one field of the record; nothing is kept.
#include <cstdint>
#include <string>

#include "sysinfo/computer_info_seams.h"

namespace teko {

// A hybrid processor's cores by kind; both 0 when they are all of one kind
// or the split is not known.
struct CoreSplit {
  uint8_t performance = 0;
  uint8_t efficient = 0;
};

class TCPUInfo {
 public:
  explicit TCPUInfo(const ComputerInfoSeams& seams) : seams_(seams) {}

  std::wstring Name();            // at most 48 characters, from code page 1252
  std::wstring Manufacturer();    // at most 10 characters
  std::wstring VendorIDString();  // at most 12 characters
  uint8_t PhysicalCore();
  CoreSplit PhysicalCoreSplit();
  int64_t NormFreq();  // MHz
  uint32_t L1CodeCache();
  uint32_t L1DataCache();
  uint32_t L2Cache();
  uint32_t L3Cache();  // KB; whole MB on AMD processors
  bool Is64Bits();
  bool HyperThreadingTechnology();
  bool MMX();
  bool Ex3DNow();

 private:
  TProcessorRecord Identify() const { return IdentifyProcessor(seams_.processor); }
  const ComputerInfoSeams& seams_;
};

}  // namespace teko
