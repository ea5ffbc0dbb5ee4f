#include "support/version_resource_builder.h"

namespace teko::testing {

namespace {

void PadTo4(std::vector<uint8_t>& bytes) {
  while (bytes.size() % 4 != 0) bytes.push_back(0);
}

void AppendWord(std::vector<uint8_t>& bytes, uint16_t value) {
  bytes.push_back(static_cast<uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendDoubleWord(std::vector<uint8_t>& bytes, uint32_t value) {
  AppendWord(bytes, static_cast<uint16_t>(value & 0xFFFF));
  AppendWord(bytes, static_cast<uint16_t>(value >> 16));
}

void AppendText(std::vector<uint8_t>& bytes, std::wstring_view text, bool wide) {
  for (wchar_t c : text) {
    if (wide) {
      AppendWord(bytes, static_cast<uint16_t>(c));
    } else {
      bytes.push_back(static_cast<uint8_t>(c));
    }
  }
  if (wide) {
    AppendWord(bytes, 0);
  } else {
    bytes.push_back(0);
  }
}

}  // namespace

VersionNode TextString(std::wstring key, std::wstring_view value, bool wide) {
  VersionNode node{std::move(key)};
  AppendText(node.value, value, wide);
  node.valueLength = static_cast<uint16_t>(value.size() + 1);
  node.type = 1;
  return node;
}

VersionNode BinaryString(std::wstring key, std::vector<uint8_t> bytes) {
  VersionNode node{std::move(key), std::move(bytes)};
  node.valueLength = static_cast<uint16_t>(node.value.size());
  node.type = 0;
  return node;
}

VersionNode StringTable(std::wstring key, std::vector<VersionNode> strings) {
  VersionNode node{std::move(key)};
  node.children = std::move(strings);
  return node;
}

VersionNode StringFileInfo(std::vector<VersionNode> tables) { return StringTable(L"StringFileInfo", std::move(tables)); }

VersionNode VarFileInfo(std::vector<uint32_t> translations) {
  VersionNode translation{L"Translation"};
  for (uint32_t value : translations) AppendDoubleWord(translation.value, value);
  translation.valueLength = static_cast<uint16_t>(translation.value.size());
  translation.type = 0;
  VersionNode node{L"VarFileInfo"};
  node.children.push_back(std::move(translation));
  return node;
}

FixedFileInfo MakeFixedInfo(uint32_t fileVersionMS, uint32_t fileVersionLS) {
  FixedFileInfo fixed;
  fixed.signature = 0xFEEF04BD;
  fixed.strucVersion = 0x00010000;
  fixed.fileVersionMS = fileVersionMS;
  fixed.fileVersionLS = fileVersionLS;
  fixed.productVersionMS = fileVersionMS;
  fixed.productVersionLS = fileVersionLS;
  fixed.fileFlagsMask = 0x3F;
  fixed.fileOS = 0x40004;
  fixed.fileType = 1;
  return fixed;
}

VersionNode VersionRoot(const FixedFileInfo& fixed, std::vector<VersionNode> children) {
  VersionNode node{L"VS_VERSION_INFO"};
  for (uint32_t field : {fixed.signature, fixed.strucVersion, fixed.fileVersionMS, fixed.fileVersionLS,
                         fixed.productVersionMS, fixed.productVersionLS, fixed.fileFlagsMask, fixed.fileFlags,
                         fixed.fileOS, fixed.fileType, fixed.fileSubtype, fixed.fileDateMS, fixed.fileDateLS}) {
    AppendDoubleWord(node.value, field);
  }
  node.valueLength = static_cast<uint16_t>(node.value.size());
  node.type = 0;
  node.children = std::move(children);
  return node;
}

std::vector<uint8_t> EncodeVersionBlock(const VersionNode& node, bool wide) {
  std::vector<uint8_t> bytes;
  AppendWord(bytes, 0);
  AppendWord(bytes, node.valueLength);
  if (wide) AppendWord(bytes, node.type);
  AppendText(bytes, node.key, wide);
  PadTo4(bytes);
  bytes.insert(bytes.end(), node.value.begin(), node.value.end());
  for (const auto& child : node.children) {
    PadTo4(bytes);
    auto encoded = EncodeVersionBlock(child, wide);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  PutWord(bytes, 0, static_cast<uint16_t>(bytes.size()));
  return bytes;
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes.at(at) = static_cast<uint8_t>(value & 0xFF);
  bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

uint16_t GetWord(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

}  // namespace teko::testing
