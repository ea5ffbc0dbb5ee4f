#include "sysinfo/file_version_info.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/text.h"

namespace teko {

namespace {

constexpr uint32_t kFixedSignature = 0xFEEF04BD;
constexpr size_t kFixedSize = 52;
constexpr uint16_t kTypeBinary = 0;
constexpr uint16_t kTypeText = 1;

constexpr std::array<std::wstring_view, kVersionKeyCount> kVersionKeys = {
    L"Comments",        L"CompanyName",      L"FileDescription", L"FileVersion",
    L"InternalName",    L"LegalCopyright",   L"LegalTradeMarks", L"OriginalFilename",
    L"ProductName",     L"ProductVersion",   L"SpecialBuild",    L"PrivateBuild",
};

// Code points of 0x80..0x9F in code page 1252; the rest of the code page is Latin-1.
constexpr std::array<wchar_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

wchar_t FromWindows1252(uint8_t byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kWindows1252High[byte - 0x80] : static_cast<wchar_t>(byte);
}

size_t Align4(size_t position) { return (position + 3) & ~size_t{3}; }

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

uint32_t HexValue(std::wstring_view digits) {
  uint32_t value = 0;
  for (wchar_t c : digits) {
    uint32_t digit = (c <= L'9') ? static_cast<uint32_t>(c - L'0') : static_cast<uint32_t>(AsciiLower(c) - L'a' + 10);
    value = value * 16 + digit;
  }
  return value;
}

// "0x04090x04b0" and "040904B0" both name language 0409 and code page 04B0.
std::wstring TableKeyDigits(std::wstring_view key) {
  std::wstring withoutPrefixes;
  for (size_t i = 0; i < key.size(); ++i) {
    if (key[i] == L'0' && i + 1 < key.size() && key[i + 1] == L'x') {
      ++i;
      continue;
    }
    withoutPrefixes += key[i];
  }
  std::wstring digits;
  std::copy_if(withoutPrefixes.begin(), withoutPrefixes.end(), std::back_inserter(digits), IsHexDigit);
  return digits;
}

std::wstring BinaryText(uint32_t value, int bytes) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring hex;
  for (uint32_t rest = value; rest != 0; rest >>= 4) hex.insert(hex.begin(), kDigits[rest & 0xF]);
  size_t minimum = static_cast<size_t>(bytes) * 2;
  if (hex.size() < minimum) hex.insert(0, minimum - hex.size(), L'0');
  return L"$" + hex;
}

}  // namespace

std::wstring_view VersionKey(int index) {
  if (index < 1 || index > kVersionKeyCount) return {};
  return kVersionKeys[static_cast<size_t>(index - 1)];
}

// The walk over the block tree. Every read is checked against the end of
// the block it belongs to, and every block against its parent.
class VersionResourceWalk {
 public:
  explicit VersionResourceWalk(TFileVersionInfo& info) : info_(info), data_(info.raw_) {}

  // True when the resource is well formed.
  bool Run() {
    if (data_.size() < 6) return false;
    wide_ = Word(4) < 2;
    auto root = Header(0, data_.size());
    if (!root || !EqualsIgnoringAsciiCase(root->key, L"VS_VERSION_INFO") || root->valueLength != kFixedSize ||
        root->valueStart + kFixedSize > root->end) {
      return false;
    }
    ReadFixedPart(root->valueStart);
    if (info_.fixed_.signature != kFixedSignature) return false;
    size_t position = Align4(root->valueStart + kFixedSize);
    while (position < root->end) {
      auto child = Header(position, root->end);
      if (!child) return false;
      size_t content = child->valueStart + ValueBytes(*child);
      if (ValueBytes(*child) > 0 && content > child->end) return false;
      if (child->key == L"StringFileInfo") {
        if (!ReadStringTables(content, child->end)) return false;
      } else if (child->key == L"VarFileInfo") {
        if (!ReadTranslation(content, child->end)) return false;
      } else {
        break;
      }
      position = Align4(child->end);
    }
    for (const auto& entry : info_.all_) {
      if (entry.table == info_.ChosenTable()) info_.chosen_.push_back(entry);
    }
    return true;
  }

 private:
  struct Block {
    size_t end;
    uint16_t valueLength;
    uint16_t type;
    std::wstring key;
    size_t valueStart;  // after the key, aligned; may lie past `end` when the block has no value
  };

  uint16_t Word(size_t at) const { return static_cast<uint16_t>(data_[at] | (data_[at + 1] << 8)); }
  uint32_t DoubleWord(size_t at) const { return Word(at) | (static_cast<uint32_t>(Word(at + 2)) << 16); }

  // The header at `start`; nothing when it does not fit before `limit`.
  std::optional<Block> Header(size_t start, size_t limit) const {
    size_t headerBytes = wide_ ? 6 : 4;
    if (start + headerBytes > limit) return std::nullopt;
    Block block{};
    uint16_t length = Word(start);
    if (length == 0 || start + length > limit) return std::nullopt;
    block.end = start + length;
    block.valueLength = Word(start + 2);
    block.type = wide_ ? Word(start + 4) : kTypeText;
    size_t position = start + headerBytes;
    auto key = Text(position, block.end);
    if (!key) return std::nullopt;
    block.key = std::move(*key);
    block.valueStart = Align4(position);
    return block;
  }

  // The NUL-terminated text at `position`, which moves past the NUL;
  // nothing when no NUL comes before `end`.
  std::optional<std::wstring> Text(size_t& position, size_t end) const {
    std::wstring text;
    size_t unit = wide_ ? 2 : 1;
    while (position + unit <= end) {
      wchar_t c = wide_ ? static_cast<wchar_t>(Word(position)) : FromWindows1252(data_[position]);
      position += unit;
      if (c == 0) return text;
      text += c;
    }
    return std::nullopt;
  }

  // A value's text up to its NUL, `limit` characters or the block end at most.
  std::wstring TextUpTo(size_t start, size_t end, size_t limit) const {
    std::wstring text;
    size_t unit = wide_ ? 2 : 1;
    for (size_t at = start; at + unit <= end && text.size() < limit; at += unit) {
      wchar_t c = wide_ ? static_cast<wchar_t>(Word(at)) : FromWindows1252(data_[at]);
      if (c == 0) break;
      text += c;
    }
    return text;
  }

  size_t ValueBytes(const Block& block) const {
    return (wide_ && block.type == kTypeText) ? size_t{block.valueLength} * 2 : block.valueLength;
  }

  void ReadFixedPart(size_t at) {
    uint32_t* fields[] = {
        &info_.fixed_.signature,     &info_.fixed_.strucVersion,     &info_.fixed_.fileVersionMS,
        &info_.fixed_.fileVersionLS, &info_.fixed_.productVersionMS, &info_.fixed_.productVersionLS,
        &info_.fixed_.fileFlagsMask, &info_.fixed_.fileFlags,        &info_.fixed_.fileOS,
        &info_.fixed_.fileType,      &info_.fixed_.fileSubtype,      &info_.fixed_.fileDateMS,
        &info_.fixed_.fileDateLS,
    };
    for (size_t i = 0; i < std::size(fields); ++i) *fields[i] = DoubleWord(at + 4 * i);
  }

  bool ReadStringTables(size_t position, size_t end) {
    while (position < end) {
      auto table = Header(position, end);
      if (!table || table->valueLength != 0) return false;
      std::wstring digits = TableKeyDigits(table->key);
      if (digits.size() != 8) return false;
      info_.tableLanguages_.push_back(HexValue(digits.substr(0, 4)) | (HexValue(digits.substr(4)) << 16));
      int number = static_cast<int>(info_.tableLanguages_.size()) - 1;
      size_t at = table->valueStart;
      while (at < table->end) {
        auto string = Header(at, table->end);
        if (!string) return false;
        auto value = StringValue(*string);
        if (!value) return false;
        info_.all_.push_back({number, string->key, std::move(*value)});
        at = Align4(string->end);
      }
      position = Align4(table->end);
    }
    return true;
  }

  std::optional<std::wstring> StringValue(const Block& block) const {
    if (block.type == kTypeText) {
      if (block.valueLength == 0) return std::wstring();
      // The 32-bit format counts characters; the 16-bit one's text simply ends at its NUL.
      return TextUpTo(block.valueStart, block.end, wide_ ? block.valueLength : block.end);
    }
    if (block.type != kTypeBinary) return std::nullopt;
    if (block.valueLength >= 1 && block.valueLength <= 4) {
      uint32_t value = 0;
      for (size_t i = 0; i < block.valueLength && block.valueStart + i < block.end; ++i) {
        value |= static_cast<uint32_t>(data_[block.valueStart + i]) << (8 * i);
      }
      return BinaryText(value, block.valueLength);
    }
    if (block.valueLength == 0) return std::wstring();
    return TextUpTo(block.valueStart, block.end, block.end);
  }

  bool ReadTranslation(size_t position, size_t end) {
    if (position >= end) return true;
    auto child = Header(position, end);
    if (!child) return false;
    if (!EqualsIgnoringAsciiCase(child->key, L"Translation")) return true;
    for (size_t i = 0; i < child->valueLength / 4u; ++i) {
      size_t at = child->valueStart + 4 * i;
      if (at + 4 > child->end) break;
      info_.translations_.push_back(DoubleWord(at));
    }
    return true;
  }

  TFileVersionInfo& info_;
  std::span<const uint8_t> data_;
  bool wide_ = true;
};

TFileVersionInfo::TFileVersionInfo(std::vector<uint8_t> rawResource) : raw_(std::move(rawResource)) {
  if (!VersionResourceWalk(*this).Run()) throw EFileVersionInfoError();
}

VersionBuildFlags TFileVersionInfo::BuildFlags() const {
  uint32_t flags = fixed_.fileFlags & fixed_.fileFlagsMask;
  auto bit = [flags](int n) { return (flags & (1u << n)) != 0; };
  VersionBuildFlags result;
  result.debug = bit(0);
  result.preRelease = bit(1);
  result.patched = bit(2);
  result.privateBuild = bit(3);
  result.infoInferred = bit(4);
  result.specialBuild = bit(5);
  return result;
}

std::wstring TFileVersionInfo::KeyValueByIndex(int index) const {
  std::wstring_view key = VersionKey(index);
  if (key.empty()) return {};
  for (const auto& entry : chosen_) {
    if (EqualsIgnoringAsciiCase(entry.key, key)) return entry.value;
  }
  return {};
}

}  // namespace teko
