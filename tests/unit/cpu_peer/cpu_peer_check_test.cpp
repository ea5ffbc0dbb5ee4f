// The real decoder on this machine against programs nobody here wrote: the
// Debian `cpuid` tool, the kernel's cache and topology files and
// /proc/cpuinfo. Skips where the tool is missing.
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
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

std::string Trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  size_t b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// The tool's decoded report, read line by line.
class ToolReport {
 public:
  explicit ToolReport(const std::string& text) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines_.push_back(Trimmed(line));
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

 private:
  std::vector<std::string> lines_;
};

std::string Unquoted(std::string s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

// Sizes from /sys in KB by level and type ("Data", "Instruction", "Unified").
long SysCacheKB(int level, const std::string& type) {
  for (int i = 0; i < 16; ++i) {
    std::string dir = "/sys/devices/system/cpu/cpu0/cache/index" + std::to_string(i) + "/";
    std::string levelText = ReadFile(dir + "level");
    if (levelText.empty()) break;
    if (std::stoi(levelText) == level && ReadFile(dir + "type") == type) return std::stol(ReadFile(dir + "size"));
  }
  return -1;
}

// Cores of the first package, from the kernel's topology files.
long SysCoresPerPackage() {
  std::set<std::string> cores;
  for (int cpu = 0; cpu < 4096; ++cpu) {
    std::string dir = "/sys/devices/system/cpu/cpu" + std::to_string(cpu) + "/topology/";
    std::string package = ReadFile(dir + "physical_package_id");
    if (package.empty()) {
      if (::access(("/sys/devices/system/cpu/cpu" + std::to_string(cpu + 1)).c_str(), F_OK) != 0) break;
      continue;
    }
    if (package == ReadFile("/sys/devices/system/cpu/cpu0/topology/physical_package_id")) {
      cores.insert(ReadFile(dir + "core_id"));
    }
  }
  return static_cast<long>(cores.size());
}

double ProcCpuMhz() {
  std::ifstream in("/proc/cpuinfo");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("cpu MHz", 0) == 0) return std::stod(line.substr(line.find(':') + 1));
  }
  return 0;
}

void Row(const char* what, const std::string& ours, const std::string& tool, const std::string& system) {
  std::printf("| %-16s | %-26s | %-26s | %-26s |\n", what, ours.c_str(), tool.c_str(), system.c_str());
}
std::string Text(long n) { return std::to_string(n); }
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

  const std::string vendor = Utf8FromWide(FieldText(r.VendorIDString));
  const std::string name = Utf8FromWide(FieldText(r.Name));
  const bool amd = r.CPUType == cpuAMD;
  const long toolFamily = tool.Number("family", "(1/eax)");
  const long toolModel = tool.Number("model", "(1/eax)");
  const long toolStepping = tool.Number("stepping id", "(1/eax)");
  const long toolFamilyExt = tool.Number("extended family", "(1/eax)");
  const long toolModelExt = tool.Number("extended model", "(1/eax)");
  // AMD: leaf 0x80000005/6 in KB, level 3 in 512 KB units. Others: /sys only.
  const long toolL1Data = amd ? tool.Number("size (KB)", "(0x80000005/ecx)") : -1;
  const long toolL1Code = amd ? tool.Number("size (KB)", "(0x80000005/edx)") : -1;
  const long toolL2 = amd ? tool.Number("size (KB)", "(0x80000006/ecx)") : -1;
  const long toolL3 = amd ? tool.Number("size (in 512KB units)", "(0x80000006/edx)") / 2 : -1;
  std::string multi = tool.Value("(multi-processing synth)");
  size_t c = multi.find("c=");
  const long toolCores = c == std::string::npos ? 1 : std::strtol(multi.c_str() + c + 2, nullptr, 10);
  const bool toolMmx = tool.Flag("MMX Technology");
  const bool toolLongMode = tool.AnyFlag({"long mode (AA-64)", "64-bit extensions technology available"});
  const long sysL1Data = SysCacheKB(1, "Data");
  const long sysL1Code = SysCacheKB(1, "Instruction");
  const long sysL2 = SysCacheKB(2, "Unified");
  const long sysL3 = SysCacheKB(3, "Unified");
  const long sysCores = SysCoresPerPackage();
  const double procMhz = ProcCpuMhz();

  std::printf("| %-16s | %-26s | %-26s | %-26s |\n", "value", "our decoder", "cpuid tool", "/sys or /proc");
  Row("vendor", vendor, Unquoted(tool.Value("vendor_id")), "");
  Row("name", name, Unquoted(tool.Value("brand")), "");
  Row("family (+ext)", Text(r.Family) + " + " + Text(r.FamilyExt), Text(toolFamily) + " + " + Text(toolFamilyExt), "");
  Row("model (+ext)", Text(r.Model) + " + " + Text(r.ModelExt), Text(toolModel) + " + " + Text(toolModelExt), "");
  Row("stepping", Text(r.Stepping), Text(toolStepping), "");
  Row("L1 code KB", Text(r.L1CodeCache), Text(toolL1Code), Text(sysL1Code));
  Row("L1 data KB", Text(r.L1DataCache), Text(toolL1Data), Text(sysL1Data));
  Row("L2 KB", Text(r.L2Cache), Text(toolL2), Text(sysL2));
  Row(amd ? "L3 MB" : "L3 KB", Text(r.L3Cache), Text(toolL3), Text(sysL3) + " KB (per cache)");
  Row("cores", Text(r.PhysicalCore), Text(toolCores), Text(sysCores));
  Row("MMX", YesNo(r.MMX), YesNo(toolMmx), "");
  Row("64-bit", YesNo(r.Is64Bits), YesNo(toolLongMode), "");
  Row("clock MHz", Text(static_cast<long>(r.Clock.RawFreq)) + " (norm " + Text(static_cast<long>(r.Clock.NormFreq)) + ")",
      "", std::to_string(procMhz));

  EXPECT_EQ(vendor, Unquoted(tool.Value("vendor_id")));
  EXPECT_EQ(name, Unquoted(tool.Value("brand")));
  EXPECT_EQ(r.Family, toolFamily);
  EXPECT_EQ(r.FamilyExt, toolFamilyExt);
  EXPECT_EQ(r.Model, toolModel);
  EXPECT_EQ(r.ModelExt, toolModelExt);
  EXPECT_EQ(r.Stepping, toolStepping);
  EXPECT_EQ(r.L1CodeCache, sysL1Code);
  EXPECT_EQ(r.L1DataCache, sysL1Data);
  EXPECT_EQ(r.L2Cache, sysL2);
  if (amd) {
    EXPECT_EQ(r.L1CodeCache, toolL1Code);
    EXPECT_EQ(r.L1DataCache, toolL1Data);
    EXPECT_EQ(r.L2Cache, toolL2);
    EXPECT_EQ(r.L3Cache, toolL3);  // leaf 0x80000006 in whole MB; /sys gives the cache this core shares
  } else if (sysL3 > 0) {
    EXPECT_EQ(r.L3Cache, sysL3);
  }
  EXPECT_EQ(r.PhysicalCore, sysCores);
  EXPECT_EQ(r.MMX, toolMmx);
  EXPECT_EQ(r.Is64Bits, toolLongMode);
  if (procMhz > 0) {
    // Two clocks of this machine compared, not a time limit: the ratio holds under load.
    EXPECT_NEAR(static_cast<double>(r.Clock.RawFreq), procMhz, procMhz * 0.05);
  }
}

}  // namespace
}  // namespace teko
