#pragma once
// The recorded PCs of tests/data/cpuid: each file's registers and the true
// figures its comment lines give (brand, cores with a hybrid split, logical
// processors, the deterministic cache leaf's sizes).
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace teko::testing {

struct RecordedProcessor {
  std::string file;  // name within tests/data/cpuid
  std::string text;  // the whole file
  std::string brand;
  unsigned cores = 0, logical = 0;
  unsigned performance = 0, efficient = 0;          // both 0 unless the header gives a split
  unsigned l1Data = 0, l1Code = 0, l2 = 0, l3 = 0;  // KB
};

inline std::string RecordedProcessorPath(const std::string& file) {
  return std::string(TEKO_TEST_DATA_DIR) + "/cpuid/" + file;
}

inline RecordedProcessor LoadRecordedProcessor(const std::string& file) {
  RecordedProcessor p;
  p.file = file;
  std::ifstream in(RecordedProcessorPath(file), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  p.text = text.str();
  std::istringstream lines(p.text);
  std::string line;
  std::getline(lines, line);
  if (line.rfind("# ", 0) == 0) p.brand = line.substr(2);
  // "physical cores: 16 (8 performance + 8 efficient); logical processors: 24"
  if (size_t at = p.text.find("physical cores: "); at != std::string::npos) {
    const char* header = p.text.c_str() + at;
    if (std::sscanf(header, "physical cores: %u (%u performance + %u efficient); logical processors: %u", &p.cores,
                    &p.performance, &p.efficient, &p.logical) != 4) {
      p.performance = p.efficient = 0;
      std::sscanf(header, "physical cores: %u; logical processors: %u", &p.cores, &p.logical);
    }
  }
  // "L1D 48 KB, L1I 32 KB, L2U 1280 KB, L3U 30720 KB"
  if (size_t at = p.text.find("L1D "); at != std::string::npos) {
    std::sscanf(p.text.c_str() + at, "L1D %u KB, L1I %u KB, L2U %u KB, L3U %u KB", &p.l1Data, &p.l1Code, &p.l2, &p.l3);
  }
  return p;
}

// The seven PCs of the issue, then the build machine recorded by the tool.
inline const std::vector<std::string>& RecordedProcessorFiles() {
  static const std::vector<std::string> files = {
      "intel-skylake-s.txt",  "intel-coffee-lake.txt", "intel-core-i5-12400.txt",    "intel-core-i9-12900k.txt",
      "amd-zen3-vermeer.txt", "amd-zen4-raphael.txt",  "amd-zen5-granite-ridge.txt", "amd-epyc-kvm-build-machine.txt",
  };
  return files;
}

}  // namespace teko::testing
