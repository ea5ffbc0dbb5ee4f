#pragma once
// The Process page's handlers over its controls and the process services:
// the list, the maker filter, the details of a clicked entry and "Kill task".
#include <span>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "system/process_snapshot.h"
#include "sysinfo/version_resource_source.h"

namespace teko {

inline constexpr std::wstring_view kKillQuestion =
    L"Are you sure you want to terminate this process? System might become unstable.";
inline constexpr std::wstring_view kKillNeedsAdmin = L"You have to run Teko as admin to terminate this process!";
inline constexpr int kKillSettleMilliseconds = 1000;

// The page's controls and its window's part in the flows.
class ProcessPageView {
 public:
  virtual ~ProcessPageView() = default;
  // The list keeps its entries sorted by itself.
  virtual void SetEntries(std::span<const std::wstring> entries) = 0;
  virtual std::vector<std::wstring> Entries() const = 0;
  // Removes one entry and repaints the list at once.
  virtual void RemoveEntry(int index) = 0;
  virtual int SelectedIndex() const = 0;  // -1 for none
  virtual void SetDetails(std::span<const std::wstring> lines) = 0;
  virtual void SetBusy(bool busy) = 0;  // the hourglass
  // Blocks the window for a while.
  virtual void Pause(int milliseconds) = 0;
  // Asks the application to end in order.
  virtual void EndProgram() = 0;
};

struct ProcessServices {
  ProcessSnapshot& snapshot;
  ProcessAccess& access;
  VersionResourceSource& versions;
  Dialogs& dialogs;
};

class ProcessPage {
 public:
  // `ownName`: the file name of the running program, whose entry ends it.
  ProcessPage(ProcessPageView& view, ProcessServices services, std::wstring ownName);

  void BtnRefreshClick();
  void BitBtn24Click();
  void ListBox1Click();
  void BtnKillClick();

 private:
  ProcessPageView& view_;
  ProcessServices services_;
  std::wstring ownName_;
};

}  // namespace teko
