#include "support/fake_file_system.h"

#include <algorithm>

#include "core/paths.h"
#include "core/text.h"
#include "core/wildcard.h"

namespace teko::testing {

std::wstring FakeFileSystem::Normalise(std::wstring_view path) {
  std::wstring result;
  for (wchar_t c : path) {
    if (c == L'/') c = L'\\';
    if (c == L'\\' && !result.empty() && result.back() == L'\\') continue;
    result += c;
  }
  if (result.size() > 3 && result.back() == L'\\') result.pop_back();
  return result;
}

std::wstring FakeFileSystem::Key(std::wstring_view path) { return AsciiLower(Normalise(path)); }

std::wstring FakeFileSystem::ParentKey(const std::wstring& key) {
  size_t at = key.find_last_of(L'\\');
  if (at == std::wstring::npos || key.size() <= 3) return {};
  return at == 2 ? key.substr(0, 3) : key.substr(0, at);
}

std::wstring FakeFileSystem::Resolve(const std::wstring& key) const {
  std::wstring parentKey = ParentKey(key);
  if (parentKey.empty()) return key;
  std::wstring parent = Resolve(parentKey);
  std::wstring resolved = parent + (parent.ends_with(L'\\') ? L"" : L"\\") + key.substr(key.find_last_of(L'\\') + 1);
  auto it = nodes_.find(resolved);
  return it != nodes_.end() && !it->second.linkTarget.empty() ? it->second.linkTarget : resolved;
}

FakeFileSystem::Node& FakeFileSystem::Ensure(std::wstring_view path, uint32_t attributes) {
  std::wstring normal = Normalise(path);
  if (normal.size() == 2 && normal[1] == L':') normal += L'\\';
  std::wstring key = AsciiLower(normal);
  auto found = nodes_.find(key);
  if (found != nodes_.end()) {
    found->second.entry.attributes = attributes;
    return found->second;
  }
  std::wstring parent = ParentKey(key);
  if (!parent.empty()) {
    Ensure(normal.substr(0, parent.size()), kAttrDirectory);
    nodes_[parent].children.push_back(key);
  }
  Node& node = nodes_[key];
  node.path = normal;
  node.entry.name = normal.size() <= 3 ? normal : ExtractFileName(normal);
  node.entry.attributes = attributes;
  order_.push_back(key);
  return node;
}

void FakeFileSystem::AddFolder(std::wstring_view path, uint32_t attributes) {
  Ensure(path, attributes | kAttrDirectory);
}

void FakeFileSystem::AddFile(std::wstring_view path, uint64_t size, uint32_t attributes, std::wstring_view shortName,
                             int64_t lastWriteTime) {
  Node& node = Ensure(path, attributes & ~kAttrDirectory);
  node.entry.size = size;
  node.entry.shortName = shortName;
  node.entry.lastWriteTime = lastWriteTime;
}

void FakeFileSystem::AddLink(std::wstring_view path, std::wstring_view target) {
  Node& node = Ensure(path, kAttrDirectory | kAttrReparsePoint);
  node.linkTarget = Key(target);
}

void FakeFileSystem::AddFileLink(std::wstring_view path, uint64_t size) {
  AddFile(path, size);
  nodes_.at(Key(path)).leadsElsewhere = true;
}

void FakeFileSystem::FailListing(std::wstring_view folder, uint32_t error) { listingFaults_[Key(folder)] = error; }
void FakeFileSystem::FailRemoval(std::wstring_view path, uint32_t error) { removalFaults_[Key(path)] = error; }

bool FakeFileSystem::Exists(std::wstring_view path) const { return nodes_.count(Key(path)) != 0; }

std::vector<std::wstring> FakeFileSystem::AllPaths() const {
  std::vector<std::wstring> paths;
  for (const auto& key : order_) {
    if (auto it = nodes_.find(key); it != nodes_.end()) paths.push_back(it->second.path);
  }
  return paths;
}

uint32_t FakeFileSystem::ListFolder(std::wstring_view folder, std::wstring_view pattern,
                                    std::vector<DirEntry>& entries) const {
  ++listingCount_;
  entries.clear();
  std::wstring key = Resolve(Key(folder));
  if (auto fault = listingFaults_.find(key); fault != listingFaults_.end()) return fault->second;
  auto it = nodes_.find(key);
  if (it == nodes_.end() || !it->second.entry.IsDirectory()) return kErrorPathNotFound;
  const Node* shown = &it->second;
  if (key.size() > 3) {
    for (const wchar_t* dots : {L".", L".."}) {
      if (MatchesMask(dots, pattern)) entries.push_back(DirEntry{dots, L"", kAttrDirectory, 0, 0});
    }
  }
  for (const auto& childKey : shown->children) {
    const DirEntry& entry = nodes_.at(childKey).entry;
    if (MatchesMask(entry.name, pattern) || (!entry.shortName.empty() && MatchesMask(entry.shortName, pattern))) {
      entries.push_back(entry);
    }
  }
  return 0;
}

std::optional<DirEntry> FakeFileSystem::FindFirst(std::wstring_view path) const {
  std::wstring normal = Normalise(path);
  std::vector<DirEntry> entries;
  if (ListFolder(ExtractFileDir(normal), ExtractFileName(normal), entries) != 0) return std::nullopt;
  auto real = std::find_if(entries.begin(), entries.end(),
                           [](const DirEntry& e) { return e.name != L"." && e.name != L".."; });
  if (real == entries.end()) return std::nullopt;
  return *real;
}

std::optional<uint32_t> FakeFileSystem::Attributes(std::wstring_view path) const {
  auto it = nodes_.find(Key(path));
  if (it == nodes_.end()) return std::nullopt;
  return it->second.entry.attributes;
}

void FakeFileSystem::Detach(const std::wstring& key) {
  std::wstring parent = ParentKey(key);
  if (auto it = nodes_.find(parent); it != nodes_.end()) std::erase(it->second.children, key);
  removed_.push_back(nodes_.at(key).path);
  nodes_.erase(key);
}

uint32_t FakeFileSystem::VerifyListedFile(std::wstring_view path) const {
  auto it = nodes_.find(Key(path));
  if (it == nodes_.end()) return kErrorFileNotFound;
  if (it->second.entry.IsDirectory()) return kErrorAccessDenied;
  return it->second.leadsElsewhere ? kErrorStoppedOnLink : 0;
}

uint32_t FakeFileSystem::RemoveFile(std::wstring_view path) {
  std::wstring key = Key(path);
  if (auto fault = removalFaults_.find(key); fault != removalFaults_.end()) return fault->second;
  if (uint32_t error = VerifyListedFile(path)) return error;
  if (nodes_.at(key).entry.attributes & kAttrReadOnly) return kErrorAccessDenied;
  Detach(key);
  return 0;
}

uint32_t FakeFileSystem::RemoveFolder(std::wstring_view path) {
  std::wstring key = Key(path);
  if (auto fault = removalFaults_.find(key); fault != removalFaults_.end()) return fault->second;
  auto it = nodes_.find(key);
  if (it == nodes_.end()) return kErrorFileNotFound;
  if (!it->second.entry.IsDirectory()) return 267;  // ERROR_DIRECTORY
  if (!it->second.children.empty()) return kErrorDirNotEmpty;
  Detach(key);
  return 0;
}

}  // namespace teko::testing
