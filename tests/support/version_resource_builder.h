#pragma once
// Builds raw version resources block by block, in the 32-bit format (UTF-16
// keys, a type word) or the 16-bit one (ANSI keys), for the reader's tests
// and the fuzzer's seeds. Tests corrupt the bytes afterwards as they need.
#include <cstdint>
#include <string>
#include <vector>

#include "sysinfo/file_version_info.h"

namespace teko::testing {

struct VersionNode {
  std::wstring key;
  std::vector<uint8_t> value;  // already encoded
  uint16_t valueLength = 0;    // as the header states it
  uint16_t type = 1;
  std::vector<VersionNode> children;
};

// A text string; its length counts the terminating NUL, as resource compilers write it.
VersionNode TextString(std::wstring key, std::wstring_view value, bool wide = true);
VersionNode BinaryString(std::wstring key, std::vector<uint8_t> bytes);
VersionNode StringTable(std::wstring key, std::vector<VersionNode> strings);
VersionNode StringFileInfo(std::vector<VersionNode> tables);
VersionNode VarFileInfo(std::vector<uint32_t> translations);
VersionNode VersionRoot(const FixedFileInfo& fixed, std::vector<VersionNode> children);

// A fixed part with the signature and the given file version.
FixedFileInfo MakeFixedInfo(uint32_t fileVersionMS, uint32_t fileVersionLS);

// The block with its children, each child starting on a multiple of 4. A
// block's length leaves out its own trailing padding.
std::vector<uint8_t> EncodeVersionBlock(const VersionNode& node, bool wide = true);

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
uint16_t GetWord(const std::vector<uint8_t>& bytes, size_t at);

}  // namespace teko::testing
