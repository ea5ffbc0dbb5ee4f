// The version resource reader on arbitrary bytes: it must never read outside
// the buffer, and what it offers must be consistent with what it walked.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sysinfo/file_version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    teko::TFileVersionInfo info(std::vector<uint8_t>(data, data + size));
    for (const auto& entry : info.AllEntries()) {
      if (entry.table < 0 || static_cast<size_t>(entry.table) >= info.TableLanguages().size()) __builtin_trap();
    }
    for (const auto& entry : info.ChosenEntries()) {
      if (entry.table != info.ChosenTable()) __builtin_trap();
    }
    if (info.TranslationList().size() * 4 > size) __builtin_trap();
    for (int index = 0; index <= teko::kVersionKeyCount + 1; ++index) info.KeyValueByIndex(index);
    info.BuildFlags();
  } catch (const teko::EFileVersionInfoError&) {
  }
  return 0;
}
