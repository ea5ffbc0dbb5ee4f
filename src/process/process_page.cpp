#include "process/process_page.h"

#include "process/process_details.h"
#include "process/process_filter.h"
#include "process/process_kill.h"
#include "process/process_list.h"

namespace teko {

namespace {

// The hourglass for as long as the scope lasts, also when an error passes.
class BusyScope {
 public:
  explicit BusyScope(ProcessPageView& view) : view_(view) { view_.SetBusy(true); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope() { view_.SetBusy(false); }

 private:
  ProcessPageView& view_;
};

}  // namespace

ProcessPage::ProcessPage(ProcessPageView& view, ProcessServices services, std::wstring ownName)
    : view_(view), services_(services), ownName_(std::move(ownName)) {}

void ProcessPage::BtnRefreshClick() {
  view_.SetEntries({});
  view_.SetDetails({});
  // The list is filled before the warning, so it shows behind the box.
  auto entries = ReadProcessEntries(services_.snapshot);
  view_.SetEntries(entries);
  WarnAboutSuspects(entries, services_.dialogs);
}

void ProcessPage::BitBtn24Click() {
  BusyScope busy(view_);
  auto entries = view_.Entries();
  size_t index = 0;
  while (index < entries.size()) {
    if (IsMakerProcess(entries[index], services_.versions)) {
      entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
      view_.RemoveEntry(static_cast<int>(index));
    } else {
      ++index;
    }
  }
}

void ProcessPage::ListBox1Click() {
  int index = view_.SelectedIndex();
  if (index < 0) return;
  auto entries = view_.Entries();
  if (static_cast<size_t>(index) >= entries.size()) return;
  view_.SetDetails(ShowProcessDetails(entries[static_cast<size_t>(index)], services_.snapshot, services_.access,
                                      services_.versions));
}

void ProcessPage::BtnKillClick() {
  int index = view_.SelectedIndex();
  auto entries = view_.Entries();
  if (index < 0 || static_cast<size_t>(index) >= entries.size()) return;
  const std::wstring& entry = entries[static_cast<size_t>(index)];
  if (entry == ownName_) {
    view_.EndProgram();
  } else if (services_.dialogs.Ask(kKillQuestion)) {
    if (!KillProcessesByName(entry, services_.snapshot, services_.access)) {
      services_.dialogs.Show(MessageKind::Error, kKillNeedsAdmin);
    }
  }
  view_.Pause(kKillSettleMilliseconds);
  BtnRefreshClick();
}

}  // namespace teko
