#pragma once
// Fakes of the process services and of the Process page's controls.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/os_error.h"
#include "core/text.h"
#include "process/process_page.h"
#include "support/version_resource_builder.h"

namespace teko::testing {

class FakeProcessSnapshot final : public ProcessSnapshot {
 public:
  std::vector<ProcessRecord> Take() override {
    ++takes;
    if (fail) throw OsError(18, "no more files");
    return records;
  }
  void Remove(uint32_t id) {
    std::erase_if(records, [id](const ProcessRecord& record) { return record.id == id; });
  }

  std::vector<ProcessRecord> records;
  bool fail = false;
  int takes = 0;
};

// Ends processes by taking them out of the snapshot; logs what it was asked.
class FakeProcessAccess final : public ProcessAccess {
 public:
  explicit FakeProcessAccess(FakeProcessSnapshot& snapshot) : snapshot_(snapshot) {}
  std::wstring ImagePath(uint32_t id) override {
    auto it = paths.find(id);
    return it == paths.end() ? std::wstring() : it->second;
  }
  bool Terminate(uint32_t id) override {
    log.push_back(L"terminate " + std::to_wstring(id));
    if (protectedIds.count(id)) return false;
    snapshot_.Remove(id);
    return true;
  }
  void EnableDebugPrivilege() override { log.push_back(L"privilege"); }

  std::map<uint32_t, std::wstring> paths;
  std::set<uint32_t> protectedIds;
  std::vector<std::wstring> log;

 private:
  FakeProcessSnapshot& snapshot_;
};

// Files found by bare name, each with a company; others have no resource.
class FakeVersionResources final : public VersionResourceSource {
 public:
  std::vector<uint8_t> Read(std::wstring_view fileName) override {
    std::wstring name(fileName);
    if (unreadable.count(name)) throw OsError(5, "access denied");
    auto it = files.find(name);
    return it == files.end() ? std::vector<uint8_t>() : it->second;
  }
  void Add(const std::wstring& name, std::wstring_view company, std::wstring_view product = L"Product") {
    files[name] = EncodeVersionBlock(VersionRoot(
        MakeFixedInfo(0x00010000, 0),
        {StringFileInfo({StringTable(L"040904b0", {TextString(L"CompanyName", company),
                                                   TextString(L"ProductName", product),
                                                   TextString(L"ProductVersion", L"1.0"),
                                                   TextString(L"FileDescription", L"Description of " + name),
                                                   TextString(L"LegalCopyright", L"(c) " + std::wstring(company)),
                                                   TextString(L"LegalTrademarks", L"TM"),
                                                   TextString(L"OriginalFilename", name)})})}));
  }

  std::map<std::wstring, std::vector<uint8_t>> files;
  std::set<std::wstring> unreadable;
};

// A sorted list box, a memo and a log of what the window was asked to do.
class FakeProcessPageView final : public ProcessPageView {
 public:
  void SetEntries(std::span<const std::wstring> list) override {
    entries.assign(list.begin(), list.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::wstring& a, const std::wstring& b) { return AsciiLower(a) < AsciiLower(b); });
    selected = -1;
  }
  std::vector<std::wstring> Entries() const override { return entries; }
  void RemoveEntry(int index) override {
    events.push_back(L"remove " + entries.at(static_cast<size_t>(index)));
    entries.erase(entries.begin() + index);
  }
  int SelectedIndex() const override { return selected; }
  void SetDetails(std::span<const std::wstring> lines) override { details.assign(lines.begin(), lines.end()); }
  void SetBusy(bool busy) override { events.push_back(busy ? L"busy" : L"idle"); }
  void Pause(int milliseconds) override { events.push_back(L"pause " + std::to_wstring(milliseconds)); }
  void EndProgram() override { events.push_back(L"end program"); }

  void Select(std::wstring_view entry) {
    auto it = std::find(entries.begin(), entries.end(), entry);
    selected = it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
  }

  std::vector<std::wstring> entries;
  int selected = -1;
  std::vector<std::wstring> details;
  std::vector<std::wstring> events;
};

}  // namespace teko::testing
