// The real decoder on this machine against programs nobody here wrote: the
// Debian `cpuid` tool, the kernel's cache and topology files and
// /proc/cpuinfo. Hosts differ: a hypervisor may hide the cache folders or
// show a CPUID topology that is not the kernel's, and a physical PC scales
// its clock. Only what the host gives is compared, and the output says
// what was compared and what was skipped, and why.
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/text.h"
#include "sysinfo/cpuid_instruction.h"
#include "sysinfo/identify_processor.h"
#include "sysinfo/processor_names.h"
#include "sysinfo/time_stamp_instruction.h"

namespace teko {
namespace {

// The steady clock as a 10 MHz counter, like the performance counter under Windows.
class SteadyCounter final : public PerformanceCounter {
 public:
  std::optional<int64_t> Frequency() override { return 10'000'000; }
  int64_t Now() override {
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return ns.count() / 100;
  }
};

class UnchangedPriority final : public ThreadPriority {
 public:
  int Current() override { return kErrorReturn; }
  void Set(int) override {}
};

std::string OutputOf(const char* command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command, "r"), ::pclose);
  if (!pipe) return {};
  std::string output;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, n);
  return output;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::string s = text.str();
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

// The leading number of a text ("32K" -> 32), or -1.
long NumberIn(const std::string& text) {
  char* end = nullptr;
  long n = std::strtol(text.c_str(), &end, 10);
  return end == text.c_str() ? -1 : n;
}

std::string Trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  size_t b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Sizes in KB, -1 where not given.
struct CacheFigures {
  long l1Data = -1, l1Code = -1, l2 = -1, l3 = -1;
  bool Any() const { return l1Data >= 0 || l1Code >= 0 || l2 >= 0 || l3 >= 0; }
};

// The tool's decoded report, read line by line.
class ToolReport {
 public:
  explicit ToolReport(const std::string& text) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) raw_.push_back(line), lines_.push_back(Trimmed(line));
  }
  // The text after " = " of the first line, at or after `heading`, that starts with `field`.
  std::string Value(const std::string& field, const std::string& heading = {}) const {
    size_t i = 0;
    if (!heading.empty()) {
      while (i < lines_.size() && lines_[i].find(heading) == std::string::npos) ++i;
    }
    for (; i < lines_.size(); ++i) {
      const std::string& line = lines_[i];
      size_t eq = line.find(" = ");
      if (line.rfind(field, 0) == 0 && eq != std::string::npos && Trimmed(line.substr(field.size(), eq - field.size())).empty()) {
        return line.substr(eq + 3);
      }
    }
    return {};
  }
  // The decimal number in the last brackets of a value: "0x20 (32)" -> 32.
  long Number(const std::string& field, const std::string& heading = {}) const {
    std::string v = Value(field, heading);
    size_t open = v.rfind('(');
    return open == std::string::npos ? -1 : std::strtol(v.c_str() + open + 1, nullptr, 10);
  }
  bool Flag(const std::string& field) const { return Value(field) == "true"; }
  bool AnyFlag(const std::vector<std::string>& fields) const {
    for (const auto& field : fields) {
      if (Flag(field)) return true;
    }
    return false;
  }
  // The caches a deterministic cache leaf's section lists ("--- cache N ---"
  // blocks with type, level and "(synth size)" in bytes).
  CacheFigures Deterministic(const std::string& heading) const {
    CacheFigures caches;
    size_t i = 0;
    while (i < lines_.size() && lines_[i].find(heading) == std::string::npos) ++i;
    if (i == lines_.size()) return caches;
    const size_t indent = raw_[i].find_first_not_of(' ');
    long type = -1, level = -1;
    for (++i; i < lines_.size() && raw_[i].find_first_not_of(' ') > indent; ++i) {
      const std::string& line = lines_[i];
      size_t eq = line.find(" = ");
      if (eq == std::string::npos) continue;
      std::string name = Trimmed(line.substr(0, eq));
      std::string value = line.substr(eq + 3);
      size_t open = value.rfind('(');
      long bracketed = open == std::string::npos ? -1 : std::strtol(value.c_str() + open + 1, nullptr, 10);
      if (name == "type" || name == "cache type") type = bracketed;
      if (name == "level" || name == "cache level") level = bracketed;
      if (name == "(synth size)") {
        long kb = NumberIn(value) / 1024;
        long* slot = level == 1 ? (type == 2 ? &caches.l1Code : &caches.l1Data)
                     : level == 2 && type != 2 ? &caches.l2
                     : level == 3 && type != 2 ? &caches.l3
                                               : nullptr;
        if (slot && *slot < 0) *slot = kb;
      }
    }
    return caches;
  }

 private:
  std::vector<std::string> raw_, lines_;
};

std::string Unquoted(std::string s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

// Sizes from /sys in KB by level and type ("Data", "Instruction", "Unified"); -1 where not given.
long SysCacheKB(int level, const std::string& type) {
  for (int i = 0; i < 16; ++i) {
    std::string dir = "/sys/devices/system/cpu/cpu0/cache/index" + std::to_string(i) + "/";
    long levelNumber = NumberIn(ReadFile(dir + "level"));
    if (levelNumber < 0) break;
    if (levelNumber == level && ReadFile(dir + "type") == type) return NumberIn(ReadFile(dir + "size"));
  }
  return -1;
}

// Cores of the first package, from the kernel's topology files; 0 where not given.
long SysCoresPerPackage() {
  std::set<std::string> cores;
  const std::string package0 = ReadFile("/sys/devices/system/cpu/cpu0/topology/physical_package_id");
  for (int cpu = 0; cpu < 4096; ++cpu) {
    std::string dir = "/sys/devices/system/cpu/cpu" + std::to_string(cpu) + "/topology/";
    std::string package = ReadFile(dir + "physical_package_id");
    if (package.empty()) {
      if (::access(("/sys/devices/system/cpu/cpu" + std::to_string(cpu + 1)).c_str(), F_OK) != 0) break;
      continue;
    }
    if (package == package0) cores.insert(ReadFile(dir + "core_id"));
  }
  return static_cast<long>(cores.size());
}

double ProcCpuMhz() {
  std::ifstream in("/proc/cpuinfo");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("cpu MHz", 0) == 0) return std::strtod(line.c_str() + line.find(':') + 1, nullptr);
  }
  return 0;
}

// What the host gives, -1 (or 0 for the clock) where it gives nothing.
struct HostFigures {
  bool amd = false;
  CacheFigures toolDeterministic;  // leaf 4 (Intel) or 0x8000001D (AMD), as the tool decodes it
  CacheFigures toolLegacy;         // AMD leaves 0x80000005/6: level 3 in whole MB
  CacheFigures sys;                // the kernel's cache folders of cpu0
  long toolCores = -1;             // the tool's count from CPUID's topology
  long sysCores = 0;               // the kernel's
  double procMhz = 0;              // /proc/cpuinfo
  bool clockScaled = false;        // cpufreq drives the clock: /proc shows its current speed
};

struct Check {
  std::string what;
  long ours, theirs;
  std::string source;
};
struct Skip {
  std::string what, why;
};
struct PeerPlan {
  std::vector<Check> checks;
  std::vector<Skip> skips;
};

// Which of the decoder's figures can be held against which figure of the host.
PeerPlan PlanComparisons(const TProcessorRecord& r, const HostFigures& host) {
  PeerPlan plan;
  auto compare = [&](const std::string& what, long ours, long theirs, const std::string& source) {
    if (theirs < 0) {
      plan.skips.push_back({what + " against " + source, "the host does not give it"});
    } else {
      plan.checks.push_back({what, ours, theirs, source});
    }
  };
  const CacheFigures& tool = host.toolDeterministic.Any() || !host.amd ? host.toolDeterministic : host.toolLegacy;
  const std::string toolSource = host.toolDeterministic.Any() ? "cpuid tool, deterministic cache leaf"
                                 : host.amd                   ? "cpuid tool, leaves 0x80000005/6"
                                                              : "cpuid tool, deterministic cache leaf";
  compare("L1 code KB", r.L1CodeCache, tool.l1Code, toolSource);
  compare("L1 data KB", r.L1DataCache, tool.l1Data, toolSource);
  compare("L2 KB", r.L2Cache, tool.l2, toolSource);
  const bool amdLevel3InMb = host.amd && host.toolDeterministic.Any();
  compare(host.amd ? "L3 MB" : "L3 KB", r.L3Cache, amdLevel3InMb && tool.l3 >= 0 ? tool.l3 / 1024 : tool.l3, toolSource);

  compare("L1 code KB", r.L1CodeCache, host.sys.l1Code, "/sys");
  compare("L1 data KB", r.L1DataCache, host.sys.l1Data, "/sys");
  compare("L2 KB", r.L2Cache, host.sys.l2, "/sys");
  if (host.amd && !host.toolDeterministic.Any()) {
    plan.skips.push_back({"L3 against /sys", "without leaf 0x8000001D the decoder gives the package's level 3 "
                                             "(leaf 0x80000006); /sys gives the cache this core shares"});
  } else {
    compare(host.amd ? "L3 MB" : "L3 KB", r.L3Cache, host.amd && host.sys.l3 >= 0 ? host.sys.l3 / 1024 : host.sys.l3,
            "/sys");
  }

  if (r.CoreOrigin == CoreCountOrigin::HybridUnknown) {
    plan.skips.push_back({"cores", "hybrid processor: one logical processor's registers do not give its cores"});
  } else if (host.sysCores <= 0) {
    plan.skips.push_back({"cores against the kernel", "the kernel gives no topology files"});
  } else if (host.toolCores != host.sysCores) {
    plan.skips.push_back({"cores against the kernel", "CPUID's topology (cpuid tool: " + std::to_string(host.toolCores) +
                                                          ") is not the kernel's (" + std::to_string(host.sysCores) +
                                                          "): the hypervisor shows another one"});
  } else {
    compare("cores", r.PhysicalCore, host.sysCores, "kernel topology");
  }

  if (host.procMhz <= 0) {
    plan.skips.push_back({"clock", "/proc/cpuinfo gives no cpu MHz"});
  } else if (host.clockScaled) {
    plan.skips.push_back({"clock", "cpufreq scales the clock: /proc gives its current speed, not the time-stamp "
                                   "counter's"});
  }
  return plan;
}

void Row(const char* what, const std::string& ours, const std::string& tool, const std::string& system) {
  std::printf("| %-16s | %-26s | %-26s | %-26s |\n", what, ours.c_str(), tool.c_str(), system.c_str());
}
std::string Text(long n) { return n < 0 ? std::string("-") : std::to_string(n); }
std::string YesNo(bool b) { return b ? "yes" : "no"; }

TEST(CpuPeerCheck, DecoderAgreesWithTheCpuidToolAndTheKernel) {
  if (::access("/usr/bin/cpuid", X_OK) != 0) GTEST_SKIP() << "the Debian cpuid tool is not installed";
  CpuidInstruction cpuid;
  if (!cpuid.Available()) GTEST_SKIP() << "no CPUID on this processor";

  SteadyCounter counter;
  TimeStampInstruction timeStamp;
  UnchangedPriority priority;
  ProcessorPlatform platform{cpuid, {counter, timeStamp, priority}};
  // The first measurement of a process pays for first calls inside its first
  // pass, and every pass counts towards the result: compare the second.
  IdentifyProcessor(platform);
  TProcessorRecord r = IdentifyProcessor(platform);
  ToolReport tool(OutputOf("/usr/bin/cpuid -1 2>/dev/null"));

  HostFigures host;
  host.amd = r.CPUType == cpuAMD;
  host.toolDeterministic =
      tool.Deterministic(host.amd ? "Cache Properties (0x8000001d)" : "deterministic cache parameters (4)");
  if (host.amd) {
    host.toolLegacy.l1Data = tool.Number("size (KB)", "(0x80000005/ecx)");
    host.toolLegacy.l1Code = tool.Number("size (KB)", "(0x80000005/edx)");
    host.toolLegacy.l2 = tool.Number("size (KB)", "(0x80000006/ecx)");
    long units = tool.Number("size (in 512KB units)", "(0x80000006/edx)");
    host.toolLegacy.l3 = units < 0 ? -1 : units / 2;
  }
  host.sys = {SysCacheKB(1, "Data"), SysCacheKB(1, "Instruction"), SysCacheKB(2, "Unified"), SysCacheKB(3, "Unified")};
  std::string multi = tool.Value("(multi-processing synth)");
  size_t c = multi.find("c=");
  host.toolCores = multi.empty() ? -1 : c == std::string::npos ? 1 : std::strtol(multi.c_str() + c + 2, nullptr, 10);
  host.sysCores = SysCoresPerPackage();
  host.procMhz = ProcCpuMhz();
  host.clockScaled = ::access("/sys/devices/system/cpu/cpu0/cpufreq", F_OK) == 0;

  const std::string vendor = Utf8FromWide(FieldText(r.VendorIDString));
  const std::string name = Utf8FromWide(FieldText(r.Name));
  const bool toolMmx = tool.Flag("MMX Technology");
  const bool toolLongMode = tool.AnyFlag({"long mode (AA-64)", "64-bit extensions technology available"});
  const long toolFamily = tool.Number("family", "(1/eax)");
  const long toolModel = tool.Number("model", "(1/eax)");
  const long toolStepping = tool.Number("stepping id", "(1/eax)");
  const long toolFamilyExt = tool.Number("extended family", "(1/eax)");
  const long toolModelExt = tool.Number("extended model", "(1/eax)");
  const CacheFigures& toolCaches = host.toolDeterministic.Any() ? host.toolDeterministic : host.toolLegacy;

  std::printf("| %-16s | %-26s | %-26s | %-26s |\n", "value", "our decoder", "cpuid tool", "/sys or /proc");
  Row("vendor", vendor, Unquoted(tool.Value("vendor_id")), "");
  Row("name", name, Unquoted(tool.Value("brand")), "");
  Row("family (+ext)", Text(r.Family) + " + " + Text(r.FamilyExt), Text(toolFamily) + " + " + Text(toolFamilyExt), "");
  Row("model (+ext)", Text(r.Model) + " + " + Text(r.ModelExt), Text(toolModel) + " + " + Text(toolModelExt), "");
  Row("stepping", Text(r.Stepping), Text(toolStepping), "");
  Row("L1 code KB", Text(r.L1CodeCache), Text(toolCaches.l1Code), Text(host.sys.l1Code));
  Row("L1 data KB", Text(r.L1DataCache), Text(toolCaches.l1Data), Text(host.sys.l1Data));
  Row("L2 KB", Text(r.L2Cache), Text(toolCaches.l2), Text(host.sys.l2));
  Row(host.amd ? "L3 MB" : "L3 KB", Text(r.L3Cache), Text(toolCaches.l3) + (host.toolDeterministic.Any() ? " KB" : ""),
      Text(host.sys.l3) + " KB");
  Row("cores", Text(r.PhysicalCore), Text(host.toolCores), Text(host.sysCores));
  Row("logical", Text(r.LogicalCore), "", "");
  Row("MMX", YesNo(r.MMX), YesNo(toolMmx), "");
  Row("64-bit", YesNo(r.Is64Bits), YesNo(toolLongMode), "");
  Row("clock MHz", Text(static_cast<long>(r.Clock.RawFreq)) + " (norm " + Text(static_cast<long>(r.Clock.NormFreq)) + ")",
      "", std::to_string(host.procMhz));

  EXPECT_EQ(vendor, Unquoted(tool.Value("vendor_id")));
  EXPECT_EQ(name, Unquoted(tool.Value("brand")));
  EXPECT_EQ(r.Family, toolFamily);
  EXPECT_EQ(r.FamilyExt, toolFamilyExt);
  EXPECT_EQ(r.Model, toolModel);
  EXPECT_EQ(r.ModelExt, toolModelExt);
  EXPECT_EQ(r.Stepping, toolStepping);
  EXPECT_EQ(r.MMX, toolMmx);
  EXPECT_EQ(r.Is64Bits, toolLongMode);

  PeerPlan plan = PlanComparisons(r, host);
  for (const Check& check : plan.checks) {
    std::printf("compared: %s, ours %ld, %s %ld\n", check.what.c_str(), check.ours, check.source.c_str(), check.theirs);
    EXPECT_EQ(check.ours, check.theirs) << check.what << " against " << check.source;
  }
  for (const Skip& skip : plan.skips) std::printf("skipped: %s: %s\n", skip.what.c_str(), skip.why.c_str());
  if (host.procMhz > 0 && !host.clockScaled) {
    std::printf("compared: clock MHz, ours %lld, /proc/cpuinfo %.0f (within 5 %%)\n",
                static_cast<long long>(r.Clock.RawFreq), host.procMhz);
    // Two clocks of this machine compared, not a time limit: the ratio holds under load.
    EXPECT_NEAR(static_cast<double>(r.Clock.RawFreq), host.procMhz, host.procMhz * 0.05);
  }
}

// A virtual machine whose hypervisor hides the cache folders and shows a
// CPUID topology of one core where the kernel counts two: the caches are
// held against the tool alone and the cores not at all.
TEST(CpuPeerCheck, PlanComparesOnlyWhatTheHostGives) {
  TProcessorRecord r;
  r.CPUType = cpuAMD;
  r.L1CodeCache = r.L1DataCache = 32;
  r.L2Cache = 1024;
  r.L3Cache = 32;
  r.PhysicalCore = 1;
  r.CoreOrigin = CoreCountOrigin::TopologyLeaves;
  HostFigures host;
  host.amd = true;
  host.toolDeterministic = {32, 32, 1024, 32768};
  host.toolCores = 1;
  host.sysCores = 2;
  host.procMhz = 2000;
  PeerPlan plan = PlanComparisons(r, host);
  ASSERT_EQ(plan.checks.size(), 4u);
  for (const Check& check : plan.checks) {
    EXPECT_EQ(check.source, "cpuid tool, deterministic cache leaf");
    EXPECT_EQ(check.ours, check.theirs) << check.what;
  }
  ASSERT_EQ(plan.skips.size(), 5u);  // four cache sizes against /sys, the cores against the kernel
  EXPECT_EQ(plan.skips.back().why, "CPUID's topology (cpuid tool: 1) is not the kernel's (2): the hypervisor shows another one");

  // Where the tool and the kernel agree, the decoder's count is held against them.
  host.toolCores = 2;
  r.PhysicalCore = 2;
  plan = PlanComparisons(r, host);
  EXPECT_EQ(plan.checks.back().what, "cores");
  // Without leaf 0x8000001D the AMD level 3 is the package's: /sys's is not comparable.
  host.toolDeterministic = {};
  host.toolLegacy = {32, 32, 1024, 256};
  host.sys = {32, 32, 1024, 32768};
  r.L3Cache = 256;
  plan = PlanComparisons(r, host);
  EXPECT_EQ(plan.checks.size(), 8u);  // four against the tool's older leaves, three against /sys, the cores
  for (const Check& check : plan.checks) EXPECT_EQ(check.ours, check.theirs) << check.what << " / " << check.source;
}

}  // namespace
}  // namespace teko
