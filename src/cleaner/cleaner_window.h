#pragma once
// The cleaner window TFormCleaner: runs the cleaner, clears the restore
// points through the companion program, shows the log, and offers a reboot
// on closing when a run scheduled deletions for the next start.
#include <memory>
#include <string_view>

#include "cleaner/cleaner_run.h"
#include "cleaner/log_window.h"
#include "cleaner/cleaner_system_win32.h"
#include "cleaner/reboot_deletion_win32.h"
#include "cleaner/url_cache_win32.h"
#include "platform/file_system_win32.h"
#include "sysinfo/computer_info.h"
#include "system/system_actions_win32.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace teko {

// The control ID of a named control of the cleaner window, -1 for none.
int CleanerControlId(std::wstring_view name);

class TFormCleaner final : public ui::Form, private CleanerProgress, private CleanerRunView {
 public:
  // The preview and the log are shown in `log`, which must outlive this.
  explicit TFormCleaner(TFormLog& log);
  ~TFormCleaner() override;
  void Create(HWND owner);

  void ButtonRunClick();
  void BitBtn1Click();
  void BtnPreviewClick();
  void BtnLogClick();
  void BitBtn2Click();
  void SpeedButton1Click();

 protected:
  void FormShow() override;
  void FormClose() override;
  bool FormKeyDown(unsigned key) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void ApplyTexts();
  RuleListInputs RuleInputs();
  RuleList BuildRuleList();
  void DrawBanner(const DRAWITEMSTRUCT& item);

  void RuleRangeSet(int maximum) override;
  void RulePositionSet(int position) override;
  void FileDeleted(int32_t deletedFileCount) override;
  void SetFigure(std::wstring_view label, std::wstring_view text) override;
  void Repaint() override;

  TFormLog& log_;
  TComputerInfo SysInfo;
  Win32FileSystem files_;
  Win32RebootDeletionPlatform reboot_;
  Win32UrlCache urlCache_;
  TIECache IECache1{urlCache_};
  DeletionEngine engine_{files_, this};
  std::unique_ptr<TUrlHistory> UrlHistory1;
  std::unique_ptr<Win32CleanerSystem> system_;
  std::unique_ptr<Win32SystemActions> actions_;
  std::unique_ptr<ui::MessageDialogs> dialogs_;
  std::unique_ptr<CleanerRun> run_;
};

}  // namespace teko
