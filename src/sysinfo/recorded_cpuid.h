#pragma once
// CPUID answered from a register dump, keyed by leaf and subleaf: the
// decoders' tests and tekoinfo --cpuid-dump replay real machines through it.
// Leaves missing from the dump answer zero; every query is remembered.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sysinfo/cpuid_source.h"

namespace teko {

class RecordedCpuid final : public CpuidSource {
 public:
  using Key = std::pair<uint32_t, uint32_t>;  // leaf, subleaf

  // A dump in either form that ParseCpuidDump reads; lines of neither form
  // are skipped. Of several processors only the first is read.
  static RecordedCpuid FromDump(std::string_view dump);

  void Set(uint32_t leaf, uint32_t subleaf, CpuidRegisters registers) { leaves_[{leaf, subleaf}] = registers; }
  void SetAvailable(bool available) { available_ = available; }
  size_t size() const { return leaves_.size(); }
  // Whether the dump holds the leaf with any subleaf.
  bool HasLeaf(uint32_t leaf) const;

  bool Available() override { return available_; }
  CpuidRegisters Query(uint32_t leaf, uint32_t subleaf) override;

  const std::vector<Key>& queries() const { return queries_; }
  bool WasQueried(uint32_t leaf) const;
  // The leaves that were queried but are not in the dump, each once, in
  // ascending order.
  std::vector<uint32_t> MissingLeaves() const;

 private:
  std::map<Key, CpuidRegisters> leaves_;
  std::vector<Key> queries_;
  bool available_ = true;
};

// One line of a dump: the Debian `cpuid -r` tool's
//   "0x00000004 0x01: eax=0x00000122 ebx=0x01c0003f ecx=0x0000003f edx=0x00000000"
// or the plain "leaf subleaf eax ebx ecx edx" in hex, with or without 0x.
struct CpuidDumpLine {
  RecordedCpuid::Key key;
  CpuidRegisters registers;
};
std::optional<CpuidDumpLine> ParseCpuidDumpLine(std::string_view line);

// A whole dump from outside, read strictly: every line must be a register
// line, a comment ("#" to the end of the line), blank, or the tool's heading
// of a processor ("CPU:", "CPU 3:"); the first processor is read.
inline constexpr size_t kMaxCpuidDumpBytes = size_t{1} << 20;
inline constexpr size_t kMaxCpuidDumpLeaves = 4096;
struct CpuidDump {
  RecordedCpuid cpuid;
  int processors = 0;  // processor headings in the dump; a dump without headings holds one
  // Leaves and subleaves given again with other values; the first stands.
  std::vector<RecordedCpuid::Key> repeated;
  std::string error;  // not empty: what is wrong with the text, and nothing else is to be used
};
CpuidDump ParseCpuidDump(std::string_view text);

}  // namespace teko
