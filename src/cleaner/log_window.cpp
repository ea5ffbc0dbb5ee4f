#include "cleaner/log_window.h"

#include <algorithm>

#include "cleaner/log_viewer_rules.h"
#include "platform/ansi_text_file_win32.h"
#include "platform/os_error_win32.h"
#include "ui/gradient.h"
#include "ui/message_box.h"

namespace teko {

namespace {

using ui::ControlKind;
namespace style = ui::style;

constexpr int kFirstControlId = 1000;

constexpr ui::ControlSpec kLogLayout[] = {
    {ControlKind::Memo, L"Memo1", 0, 0, 734, 425, {}, style::kHScroll | style::kVScroll},
    {ControlKind::Button, L"BtnSave", 238, 450, 100, 35, L"Save"},
    {ControlKind::Button, L"BitBtn1", 358, 450, 100, 35, L"Exit", style::kCancel},
};

ui::FormSpec LogFormSpec() {
  ui::FormSpec description{L"TFormLog", L"Logfile", 734, 514};
  description.sizeable = true;
  description.maximizeBox = true;
  description.background = ui::kCream;
  description.font = {L"MS Sans Serif", 11};
  return description;
}

const ui::ControlSpec& Row(std::wstring_view name) {
  for (const auto& row : kLogLayout) {
    if (row.name == name) return row;
  }
  return kLogLayout[0];
}

}  // namespace

int LogWindowControlId(std::wstring_view name) { return ui::ControlIdOf(kLogLayout, name, kFirstControlId); }

TFormLog::TFormLog(Dialogs* dialogs, ui::SaveDialog* saveDialog)
    : ui::Form(LogFormSpec()), dialogs_(dialogs), saveDialog_(saveDialog) {}

TFormLog::~TFormLog() = default;

void TFormLog::Create(HWND owner) {
  CreateForm(owner, [this] { CreateControls(); });
}

void TFormLog::CreateControls() {
  AddControls(kLogLayout, kFirstControlId);
  // The log of a big run is longer than an edit box takes by default.
  ::SendMessageW(controls().Handle(L"Memo1"), EM_SETLIMITTEXT, 0, 0);
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<ui::MessageDialogs>(handle());
    dialogs_ = ownDialogs_.get();
  }
  if (!saveDialog_) {
    ownSaveDialog_ = std::make_unique<ui::CommonSaveDialog>();
    saveDialog_ = ownSaveDialog_.get();
  }
  OnClick(L"BtnSave", [this] { BtnSaveClick(); });
  OnClick(L"BitBtn1", [this] { BitBtn1Click(); });
  FormResize();
}

int TFormLog::ShowLog(std::span<const std::wstring> lines) {
  controls().SetLines(L"Memo1", lines);
  return ShowModal();
}

void TFormLog::FormShow() {
  int screenWidth = ::MulDiv(::GetSystemMetrics(SM_CXSCREEN), 96, dpi());
  if (screenWidth >= kLogLargeScreenWidth) SetOuterSize(Scale(kLogLargeOuterWidth), Scale(kLogLargeOuterHeight));
}

// The text box stays aligned to the top at full width; the buttons keep
// their distance from the bottom edge.
void TFormLog::FormResize() {
  if (!controls().Has(L"Memo1")) return;
  int outerHeight = OuterSize().cy;
  RECT client;
  ::GetClientRect(handle(), &client);
  ::SetWindowPos(controls().Handle(L"Memo1"), nullptr, 0, 0, client.right, std::max(0, outerHeight - Scale(kLogMemoBottomGap)),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  for (std::wstring_view button : {L"BtnSave", L"BitBtn1"}) {
    ::SetWindowPos(controls().Handle(button), nullptr, Scale(Row(button).left), outerHeight - Scale(kLogButtonBottomGap),
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TFormLog::DpiChanged() { FormResize(); }

void TFormLog::BtnSaveClick() {
  if (!HasLogText(controls().Text(L"Memo1"))) {
    dialogs_->Show(MessageKind::Error, L"No text available!");
    return;
  }
  auto path = saveDialog_->Execute(handle());
  if (!path) return;
  if (uint32_t error = WriteAnsiLines(*path, controls().Lines(L"Memo1"))) throw MakeOsError(error);
}

void TFormLog::BitBtn1Click() {
  SetModalResult(ui::kModalCancel);
  if (!IsModal()) Hide();
}

}  // namespace teko
