#include "app/cpuid_dump_report.h"

#include <cstdio>

#include "app/hardware_page_fillers.h"
#include "core/text.h"
#include "sysinfo/processor_names.h"
#include "sysinfo/recorded_cpuid.h"

namespace teko {

namespace {

class Offline final : public OnlineCheck {
 public:
  bool GoOnline(std::wstring_view) override { return false; }
};

std::wstring Hex(uint32_t value) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08X", value);
  return text;
}

std::wstring Count(unsigned n) { return std::to_wstring(n); }

// How the core row came about, and what a dump cannot tell.
std::wstring CoreNote(const TProcessorRecord& record) {
  const std::wstring logical = L"logical processors per package: " + Count(record.LogicalCore);
  switch (record.CoreOrigin) {
    case CoreCountOrigin::TopologyLeaves:
      return L"cores from the topology leaves; " + logical;
    case CoreCountOrigin::HybridUnknown: {
      const auto& intel = std::get<IntelRegisters>(record.vendor);
      std::wstring kind = intel.coreType == 0x40   ? L"a performance core"
                          : intel.coreType == 0x20 ? L"an efficient core"
                                                   : L"a core of unnamed kind";
      return L"hybrid processor, " + logical + L" (logical processor 0 is " + kind +
             L"); how many performance and efficient cores it has is not in one logical processor's registers, "
             L"so Phys. Core shows 0 (the window shows the operating system's count)";
    }
    case CoreCountOrigin::Addressable:
      if (record.CPUType == cpuIntel || record.CPUType == cpuAMD) {
        return L"no topology leaves: the core count comes from leaf 4 (Intel) or leaf 0x80000008 (AMD) alone, "
               L"which may count addressable IDs or threads rather than cores; " +
               logical;
      }
      return logical;
    case CoreCountOrigin::Platform:
      break;
  }
  return logical;
}

}  // namespace

CpuidDumpReport ReportCpuidDump(std::wstring_view name, std::string_view contents, const ComputerInfoSeams& machine,
                                std::span<const ui::ControlSpec> cpuPageLayout) {
  CpuidDumpReport result;
  CpuidDump dump = ParseCpuidDump(contents);
  if (!dump.error.empty()) {
    result.error = std::wstring(name) + L": " + WideFromUtf8(dump.error);
    return result;
  }

  NoClockSources noClock;
  const ComputerInfoSeams seams{machine.registry, machine.system,
                                machine.identity, machine.sockets,
                                machine.folders,  machine.environment,
                                machine.status,   ProcessorPlatform{dump.cpuid, noClock.sources(), nullptr}};
  Offline offline;
  InfoSources sources(seams, offline);
  RecordingSink sink;
  FillProcessorValues(sources, sink);
  const TProcessorRecord record = IdentifyProcessor(seams.processor);

  std::vector<uint32_t> missing = dump.cpuid.MissingLeaves();
  if (!missing.empty()) {
    std::wstring leaves;
    for (uint32_t leaf : missing) leaves += (leaves.empty() ? L"" : L", ") + Hex(leaf);
    result.error = std::wstring(name) +
                   (missing.size() == 1 ? L": the dump lacks leaf " : L": the dump lacks leaves ") + leaves +
                   L", which decoding this " + FieldText(record.VendorIDString) +
                   L" processor needs (it reports the highest standard leaf " + Hex(dump.cpuid.Query(0, 0).eax) + L")";
    return result;
  }

  result.page = ReportOfWrites(L"CPU (" + std::wstring(name) + L")", sink, cpuPageLayout);
  for (ReportEntry& entry : result.page.entries) {
    if (entry.control == L"LabelGHZ") entry.text = L"not shown: the clock is measured on a running processor";
  }
  ReportEntry notes;
  notes.control = L"Notes";
  notes.caption = L"Notes:";
  notes.kind = ReportEntry::Kind::Lines;
  notes.lines.push_back(L"decoded from recorded CPUID registers, not from this machine's processor");
  if (dump.processors > 1) {
    notes.lines.push_back(L"the dump holds " + Count(static_cast<unsigned>(dump.processors)) +
                          L" logical processors; the first was decoded");
  }
  notes.lines.push_back(CoreNote(record));
  if (!dump.repeated.empty()) {
    std::wstring pairs;
    for (const auto& [leaf, subleaf] : dump.repeated) {
      pairs += (pairs.empty() ? L"" : L", ") + Hex(leaf) + L"/" + std::to_wstring(subleaf);
    }
    notes.lines.push_back(L"given again with other values, the first kept (leaf/subleaf): " + pairs);
  }
  notes.lines.push_back(
      L"not shown: the rows Current Volt, Max Clock Speed, Socket, Processor ID and Role, which come from the "
      L"running machine's WMI");
  result.page.entries.push_back(std::move(notes));
  return result;
}

}  // namespace teko
