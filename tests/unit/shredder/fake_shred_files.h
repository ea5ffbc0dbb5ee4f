#pragma once
// Files for the shredder that remember every pass written to them, with
// injectable faults.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/file_system.h"
#include "shredder/shred_files.h"

namespace teko::testing {

struct FakeShredFile {
  uint32_t attributes = kAttrArchive;
  uint64_t size = 0;
  std::vector<uint8_t> content;  // kept for files made with content
  uint32_t links = 1;
  bool leadsElsewhere = false;  // the name opens another file, as a link does
  uint32_t handleAttributes = 0;  // added to what the open handle reports
  uint32_t openError = 0;
  uint32_t removeError = 0;
  int failingPass = 0;  // this pass (1 = first written) fails on its last write
  uint32_t flushError = 0;

  struct Pass {
    std::vector<size_t> writes;
    uint8_t value = 0;
    bool uniform = true;  // every byte of every write was `value`
    bool flushed = false;
  };
  std::vector<Pass> passes;
  int opens = 0;
  bool open = false;
};

class FakeShredFiles final : public ShredFiles {
 public:
  FakeShredFile& AddFile(std::wstring_view path, std::vector<uint8_t> content) {
    FakeShredFile& file = files_[Key(path)];
    file.size = content.size();
    file.content = std::move(content);
    return file;
  }
  // A file whose bytes are counted, not kept.
  FakeShredFile& AddFileOfSize(std::wstring_view path, uint64_t size) {
    FakeShredFile& file = files_[Key(path)];
    file.size = size;
    return file;
  }
  void AddFolder(std::wstring_view path) { files_[Key(path)].attributes = kAttrDirectory; }

  bool Exists(std::wstring_view path) const { return files_.contains(Key(path)); }
  FakeShredFile& File(std::wstring_view path) { return files_.at(Key(path)); }
  const std::vector<std::wstring>& removed() const { return removed_; }

  std::optional<ShredFileFacts> Facts(std::wstring_view path) const override {
    auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    return ShredFileFacts{found->second.attributes, found->second.size};
  }

  std::unique_ptr<ShredTarget> OpenExclusive(std::wstring_view path, uint32_t& error) override {
    auto found = files_.find(Key(path));
    if (found == files_.end()) {
      error = kErrorFileNotFound;
      return nullptr;
    }
    FakeShredFile& file = found->second;
    if (file.leadsElsewhere || file.openError || file.open) {
      error = file.leadsElsewhere ? kErrorStoppedOnLink : file.openError ? file.openError : kErrorSharingViolation;
      return nullptr;
    }
    ++file.opens;
    file.open = true;
    return std::make_unique<Target>(*this, std::wstring(path));
  }

  std::wstring ErrorText(uint32_t code) const override { return L"System error " + std::to_wstring(code) + L"."; }

 private:
  class Target final : public ShredTarget {
   public:
    Target(FakeShredFiles& files, std::wstring path) : files_(files), path_(std::move(path)), file_(files.File(path_)) {}
    ~Target() override {
      file_.open = false;
      if (!deleted_) return;
      files_.removed_.push_back(path_);
      files_.files_.erase(Key(path_));
    }

    uint32_t Facts(OpenedFileFacts& facts) override {
      facts = {file_.attributes | file_.handleAttributes, file_.size, file_.links};
      return 0;
    }
    uint32_t Rewind() override {
      file_.passes.emplace_back();
      position_ = 0;
      return 0;
    }
    uint32_t Write(std::span<const uint8_t> bytes) override {
      FakeShredFile::Pass& pass = file_.passes.back();
      if (pass.writes.empty()) pass.value = bytes.empty() ? 0 : bytes.front();
      bool last = position_ + bytes.size() >= file_.size;
      if (last && static_cast<int>(file_.passes.size()) == file_.failingPass) return 112;  // disk full
      pass.writes.push_back(bytes.size());
      if (!file_.content.empty()) {
        pass.uniform = pass.uniform && std::all_of(bytes.begin(), bytes.end(), [&](uint8_t b) { return b == pass.value; });
        std::copy(bytes.begin(), bytes.end(), file_.content.begin() + static_cast<std::ptrdiff_t>(position_));
      }
      position_ += bytes.size();
      return 0;
    }
    uint32_t Flush() override {
      file_.passes.back().flushed = true;
      return file_.flushError;
    }
    uint32_t Delete() override {
      deleted_ = file_.removeError == 0;
      return file_.removeError;
    }

   private:
    FakeShredFiles& files_;
    std::wstring path_;
    FakeShredFile& file_;
    uint64_t position_ = 0;
    bool deleted_ = false;
  };

  static std::wstring Key(std::wstring_view path) { return AsciiLower(path); }

  std::map<std::wstring, FakeShredFile> files_;
  std::vector<std::wstring> removed_;
};

}  // namespace teko::testing
