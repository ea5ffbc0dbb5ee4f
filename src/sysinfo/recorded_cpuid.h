#pragma once
// CPUID answered from a register dump, keyed by leaf and subleaf: the
// decoders' tests replay real machines through it. Leaves missing from the
// dump answer zero; every query is remembered.
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "sysinfo/cpuid_source.h"

namespace teko {

class RecordedCpuid final : public CpuidSource {
 public:
  using Key = std::pair<uint32_t, uint32_t>;  // leaf, subleaf

  // A dump in the raw form of the Debian `cpuid -r` tool, lines such as
  // "0x00000000 0x00: eax=0x0000000d ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69".
  // Other lines are skipped; of several processors only the first is read.
  static RecordedCpuid FromDump(std::string_view dump);

  void Set(uint32_t leaf, uint32_t subleaf, CpuidRegisters registers) { leaves_[{leaf, subleaf}] = registers; }
  void SetAvailable(bool available) { available_ = available; }
  size_t size() const { return leaves_.size(); }

  bool Available() override { return available_; }
  CpuidRegisters Query(uint32_t leaf, uint32_t subleaf) override;

  const std::vector<Key>& queries() const { return queries_; }
  bool WasQueried(uint32_t leaf) const;

 private:
  std::map<Key, CpuidRegisters> leaves_;
  std::vector<Key> queries_;
  bool available_ = true;
};

}  // namespace teko
