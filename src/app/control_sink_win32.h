#pragma once
// The window's page sink: every write goes to its control at once and is
// painted, so a refresh that stops midway leaves its earlier values shown.
#include "app/page_sink.h"
#include "ui/controls.h"

namespace teko {

class ControlSink final : public PageSink {
 public:
  explicit ControlSink(ui::ControlSet& controls) : controls_(controls) {}
  void SetText(std::wstring_view control, std::wstring_view text) override;
  void AppendText(std::wstring_view control, std::wstring_view text) override;
  void ShowYesNo(std::wstring_view yesControl, std::wstring_view noControl, bool yes) override;
  void SetProgress(std::wstring_view control, int position) override;
  void SetVisible(std::wstring_view control, bool visible) override;
  void ShowOneOf(std::span<const std::wstring_view> controls, int index) override;
  void SetLines(std::wstring_view control, std::span<const std::wstring> lines) override;
  void SelectItem(std::wstring_view control, int index) override;

 private:
  ui::ControlSet& controls_;
};

}  // namespace teko
