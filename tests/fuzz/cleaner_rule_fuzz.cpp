// Any rule text: read as the engine reads it, then applied to a small file
// system whose every folder exists, with nothing ever deleted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cleaner/cleaner_rule.h"
#include "cleaner/deletion_engine.h"
#include "cleaner/preview_file_system.h"

namespace {

// Every folder exists and holds one subfolder "s" and one file "f.tmp",
// down to a depth of four, so a rule can walk but never forever.
class EndlessFolders final : public teko::FileSystem {
 public:
  uint32_t ListFolder(std::wstring_view folder, std::wstring_view, std::vector<teko::DirEntry>& entries) const override {
    entries.clear();
    entries.push_back({L".", L"", teko::kAttrDirectory});
    if (Depth(folder) < 4) entries.push_back({L"s", L"", teko::kAttrDirectory});
    entries.push_back({L"f.tmp", L"", teko::kAttrArchive, 3});
    return 0;
  }
  std::optional<teko::DirEntry> FindFirst(std::wstring_view) const override {
    return teko::DirEntry{L"f.tmp", L"", teko::kAttrArchive, 3};
  }
  std::optional<uint32_t> Attributes(std::wstring_view path) const override {
    return path.ends_with(L".tmp") ? teko::kAttrArchive : teko::kAttrDirectory;
  }
  uint32_t VerifyListedFile(std::wstring_view) const override { return 0; }
  uint32_t RemoveFile(std::wstring_view) override { std::abort(); }
  uint32_t RemoveFolder(std::wstring_view) override { std::abort(); }

 private:
  static size_t Depth(std::wstring_view folder) {
    size_t depth = 0;
    for (size_t at = folder.find(L"\\s"); at != std::wstring_view::npos; at = folder.find(L"\\s", at + 1)) ++depth;
    return depth;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
  teko::CleanerRule rule = teko::ParseCleanerRule(text);
  if (rule.folderRule) {
    std::wstring canonical = teko::CanonicalFolder(rule.folder);
    if (canonical.size() > rule.folder.size()) std::abort();
  } else if (!rule.folder.empty() || !rule.mask.empty()) {
    std::abort();
  }
  EndlessFolders folders;
  teko::PreviewFileSystem preview(folders);
  teko::DeletionEngine engine(preview);
  engine.ApplyRule(text);
  return 0;
}
