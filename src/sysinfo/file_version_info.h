#pragma once
// TFileVersionInfo: the version strings of an executable file, read by
// walking the raw version resource block by block (never VerQueryValueW).
// The walk stays inside the buffer whatever the lengths claim: a block that
// does not fit its parent makes the resource malformed.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace teko {

// Raised for a file without a version resource and for a malformed one.
class EFileVersionInfoError : public std::runtime_error {
 public:
  EFileVersionInfoError() : std::runtime_error("File contains no version information") {}
};

// The VS_FIXEDFILEINFO record, field by field.
struct FixedFileInfo {
  uint32_t signature = 0;
  uint32_t strucVersion = 0;
  uint32_t fileVersionMS = 0;
  uint32_t fileVersionLS = 0;
  uint32_t productVersionMS = 0;
  uint32_t productVersionLS = 0;
  uint32_t fileFlagsMask = 0;
  uint32_t fileFlags = 0;
  uint32_t fileOS = 0;
  uint32_t fileType = 0;
  uint32_t fileSubtype = 0;
  uint32_t fileDateMS = 0;
  uint32_t fileDateLS = 0;
};

struct VersionBuildFlags {
  bool debug = false;
  bool infoInferred = false;
  bool patched = false;
  bool preRelease = false;
  bool privateBuild = false;
  bool specialBuild = false;
  bool operator==(const VersionBuildFlags&) const = default;
};

// One string of a string table, tagged with the table's number (from 0).
struct VersionEntry {
  int table = 0;
  std::wstring key;
  std::wstring value;
  std::wstring Text() const { return key + L"=" + value; }
};

// The keys KeyValueByIndex answers, indexed from 1.
inline constexpr int kVersionKeyCount = 12;
std::wstring_view VersionKey(int index);

class TFileVersionInfo {
 public:
  // Parses a complete version resource. Throws EFileVersionInfoError when it
  // is malformed.
  explicit TFileVersionInfo(std::vector<uint8_t> rawResource);

  const std::vector<uint8_t>& RawResource() const { return raw_; }
  const FixedFileInfo& FixedPart() const { return fixed_; }
  VersionBuildFlags BuildFlags() const;
  const std::vector<VersionEntry>& AllEntries() const { return all_; }
  // Per string table: language in the low word, code page in the high word.
  const std::vector<uint32_t>& TableLanguages() const { return tableLanguages_; }
  // The first table's strings are offered, whatever its language.
  int ChosenTable() const { return 0; }
  const std::vector<VersionEntry>& ChosenEntries() const { return chosen_; }
  const std::vector<uint32_t>& TranslationList() const { return translations_; }

  // The value of the first chosen entry whose key is VersionKey(index),
  // letter case ignored; empty when there is none.
  std::wstring KeyValueByIndex(int index) const;

  std::wstring Comments() const { return KeyValueByIndex(1); }
  std::wstring CompanyName() const { return KeyValueByIndex(2); }
  std::wstring FileDescription() const { return KeyValueByIndex(3); }
  std::wstring FileVersion() const { return KeyValueByIndex(4); }
  std::wstring InternalName() const { return KeyValueByIndex(5); }
  std::wstring LegalCopyright() const { return KeyValueByIndex(6); }
  std::wstring LegalTradeMarks() const { return KeyValueByIndex(7); }
  std::wstring OriginalFilename() const { return KeyValueByIndex(8); }
  std::wstring ProductName() const { return KeyValueByIndex(9); }
  std::wstring ProductVersion() const { return KeyValueByIndex(10); }
  std::wstring SpecialBuild() const { return KeyValueByIndex(11); }
  std::wstring PrivateBuild() const { return KeyValueByIndex(12); }

 private:
  friend class VersionResourceWalk;
  std::vector<uint8_t> raw_;
  FixedFileInfo fixed_;
  std::vector<VersionEntry> all_;
  std::vector<uint32_t> tableLanguages_;
  std::vector<VersionEntry> chosen_;
  std::vector<uint32_t> translations_;
};

}  // namespace teko
