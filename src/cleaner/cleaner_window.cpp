#include "cleaner/cleaner_window.h"

#include <utility>

#include "cleaner/cleaner_preview.h"
#include "cleaner/fixed_drives_win32.h"
#include "cleaner/restore_clearing.h"
#include "cleaner/rule_list_inputs.h"
#include "cleaner/url_history_win32.h"
#include "platform/module_path_win32.h"
#include "sysinfo/win32_seams.h"
#include "ui/application.h"
#include "ui/gradient.h"

namespace teko {

namespace {

using ui::ControlKind;
namespace style = ui::style;

constexpr int kFirstControlId = 100;
constexpr unsigned kHelpTopic = 170;
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr int kGradientSteps = 200;
constexpr int kBannerFontHeight = 19;

constexpr ui::ControlSpec kLayout[] = {
    {ControlKind::Panel, L"Panel2", 0, 0, 340, 35},
    {ControlKind::Label, L"Label5", 128, 5, 90, 25, L"Purgo", style::kNone, kBannerFontHeight, L"Panel2"},
    {ControlKind::Label, L"Label1", 38, 58, 0, 0, {}, style::kBold | style::kTeal, 12},
    {ControlKind::Button, L"SpeedButton1", 303, 41, 25, 22, L"?"},
    {ControlKind::ProgressBar, L"Progress2", 38, 76, 260, 21, {}, style::kSmooth},
    {ControlKind::Panel, L"Panel1", 38, 104, 260, 137, {}, style::kBorder},
    {ControlKind::Label, L"Label3", 5, 12, 0, 0, {}, style::kNone, 0, L"Panel1"},
    {ControlKind::Label, L"LabelFiles", 110, 12, 0, 0, L"0", style::kBold | style::kMaroon, 0, L"Panel1"},
    {ControlKind::Label, L"Label4", 5, 35, 0, 0, {}, style::kNone, 0, L"Panel1"},
    {ControlKind::Label, L"LabelBytes", 110, 35, 0, 0, L"0", style::kBold | style::kMaroon, 0, L"Panel1"},
    {ControlKind::Label, L"Label2", 5, 61, 0, 0, L"Clear Restore:", style::kNone, 0, L"Panel1"},
    {ControlKind::Label, L"Label6", 110, 61, 0, 0, L"0", style::kBold | style::kMaroon, 0, L"Panel1"},
    {ControlKind::Label, L"Label7", 5, 86, 0, 0, L"Recycle.bin files:", style::kNone, 0, L"Panel1"},
    {ControlKind::Label, L"LabelRecFile", 110, 86, 0, 0, L"0", style::kBold | style::kMaroon, 0, L"Panel1"},
    {ControlKind::Label, L"Label8", 5, 109, 0, 0, L"Recycle.bin size:", style::kNone, 0, L"Panel1"},
    {ControlKind::Label, L"LabelRecSize", 110, 109, 0, 0, L"0", style::kBold | style::kMaroon, 0, L"Panel1"},
    {ControlKind::CheckBox, L"CheckBox1", 33, 249, 138, 17},
    {ControlKind::CheckBox, L"CheckBox2", 174, 249, 150, 17, {}, style::kChecked},
    {ControlKind::Button, L"ButtonRun", 33, 277, 128, 30, L"Run Cleaner"},
    {ControlKind::Button, L"BitBtn1", 162, 277, 131, 30, L"Clear system restore"},
    {ControlKind::Button, L"BtnPreview", 33, 308, 128, 30, L"Preview"},
    {ControlKind::Button, L"BtnLog", 162, 308, 131, 30},
    {ControlKind::Button, L"BitBtn2", 33, 339, 260, 30},
};

ui::FormSpec CleanerFormSpec() {
  ui::FormSpec description{L"TFormCleaner", L"", 340, 393};
  description.background = ui::kCream;
  description.font = {L"MS Sans Serif", 11};
  description.keyPreview = true;
  return description;
}

// The texts of the window's language (English; the flag has no other value).
struct CleanerTexts {
  std::wstring_view helpFile;
  std::pair<std::wstring_view, std::wstring_view> captions[7];  // control, text
  std::wstring_view rebootQuestion;
};

constexpr CleanerTexts kEnglishTexts = {
    L"tekoe.chm",
    {{L"Label1", L"Remove redundant files..."},
     {L"Label3", L"Files deleted:"},
     {L"Label4", L"Bytes deleted:"},
     {L"CheckBox1", L"Clear Prefetch folder"},
     {L"CheckBox2", L"Clear Browser History"},
     {L"BtnLog", L"Show log file"},
     {L"BitBtn2", L"Quit"}},
    L"Some files will be deleted/overwritten after rebooting the system. Reboot system now?",
};

// Shows the pointer as busy while a handler that takes no input works.
class BusyCursor {
 public:
  BusyCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  ~BusyCursor() { ::SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

}  // namespace

int CleanerControlId(std::wstring_view name) { return ui::ControlIdOf(kLayout, name, kFirstControlId); }

TFormCleaner::TFormCleaner(TFormLog& log) : ui::Form(CleanerFormSpec()), log_(log), SysInfo(Win32ComputerInfoSeams()) {}

TFormCleaner::~TFormCleaner() = default;

void TFormCleaner::Create(HWND owner) {
  CreateForm(owner, [this] { CreateControls(); });
}

void TFormCleaner::CreateControls() {
  AddControls(kLayout, kFirstControlId);
  ui::ControlSet& c = controls();
  c.Panel(L"Panel2")->SetPainter(
      [](HDC dc, const RECT& area) { ui::FillVerticalGradient(dc, area, ui::kCream, kGrey, kGradientSteps); });
  // The banner's caption is drawn by the window: its font and shadow are its own.
  HWND banner = c.Handle(L"Label5");
  LONG_PTR bannerStyle = ::GetWindowLongPtrW(banner, GWL_STYLE);
  ::SetWindowLongPtrW(banner, GWL_STYLE, (bannerStyle & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_OWNERDRAW);

  system_ = std::make_unique<Win32CleanerSystem>(handle());
  actions_ = std::make_unique<Win32SystemActions>(handle(), SysInfo.OS());
  dialogs_ = std::make_unique<ui::MessageDialogs>(handle());
  UrlHistory1 = std::make_unique<TUrlHistory>(CreateWin32UrlHistoryStore);
  run_ = std::make_unique<CleanerRun>(
      CleanerRunParts{engine_, *system_, *this, *UrlHistory1, IECache1, [this] { return BuildRuleList(); }});

  OnClick(L"ButtonRun", [this] { ButtonRunClick(); });
  OnClick(L"BitBtn1", [this] { BitBtn1Click(); });
  OnClick(L"BtnPreview", [this] { BtnPreviewClick(); });
  OnClick(L"BtnLog", [this] { BtnLogClick(); });
  OnClick(L"BitBtn2", [this] { BitBtn2Click(); });
  OnClick(L"SpeedButton1", [this] { SpeedButton1Click(); });
}

void TFormCleaner::FormShow() { ApplyTexts(); }

void TFormCleaner::ApplyTexts() {
  const CleanerTexts& texts = kEnglishTexts;
  ui::Application::Instance().SetHelpFile(ExecutableFolder() + std::wstring(texts.helpFile));
  for (const auto& [control, text] : texts.captions) controls().SetText(control, text);
}

void TFormCleaner::ButtonRunClick() {
  BusyCursor busy;
  run_->Run();
}

void TFormCleaner::BitBtn1Click() {
  BusyCursor busy;
  if (auto freed = ClearRestorePoints(*system_, *actions_, ExecutableFolder())) controls().SetText(L"Label6", *freed);
}

// What "Run Cleaner" would delete with the check boxes as they are, found
// by the same rules and engine on a file system that removes nothing.
void TFormCleaner::BtnPreviewClick() {
  std::vector<std::wstring> report;
  {
    BusyCursor busy;
    report = CleanerPreviewReport(PreviewCleanerRun(RuleInputs(), files_));
  }
  log_.ShowLog(report);
}

void TFormCleaner::BtnLogClick() {
  log_.ShowLog(CleanerLogLines(engine_.log()));
}

void TFormCleaner::BitBtn2Click() {
  SetModalResult(ui::kModalAbort);
  Close();
}

void TFormCleaner::SpeedButton1Click() { ui::Application::Instance().ShowHelpContext(handle(), kHelpTopic); }

void TFormCleaner::FormClose() {
  if (!run_->RebootPending() || !dialogs_->Ask(kEnglishTexts.rebootQuestion)) return;
  if (!actions_->ExitSystem(kExitReboot)) dialogs_->Show(MessageKind::Plain, L"Rebooting system failed!");
}

bool TFormCleaner::FormKeyDown(unsigned key) {
  switch (key) {
    case VK_ESCAPE:
      ::ShowWindow(handle(), SW_MINIMIZE);
      return true;
    case VK_F1:
      SpeedButton1Click();
      return true;
    default:
      return false;
  }
}

RuleListInputs TFormCleaner::RuleInputs() {
  const ui::ControlSet& c = controls();
  return CleanerRuleInputs(SysInfo, {c.Checked(L"CheckBox1"), c.Checked(L"CheckBox2")}, FixedDriveLetters());
}

RuleList TFormCleaner::BuildRuleList() {
  return teko::BuildRuleList(RuleInputs(), files_,
                             [this](std::wstring_view path) { return DeleteFileAtReboot(reboot_, path); });
}

// "Purgo" on the banner's gradient, with a one-pixel cream shadow.
void TFormCleaner::DrawBanner(const DRAWITEMSTRUCT& item) {
  HWND panel = controls().Handle(L"Panel2");
  RECT panelArea;
  ::GetClientRect(panel, &panelArea);
  POINT origin{0, 0};
  ::MapWindowPoints(item.hwndItem, panel, &origin, 1);
  HDC dc = item.hDC;
  POINT previous;
  ::SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  ui::FillVerticalGradient(dc, panelArea, ui::kCream, kGrey, kGradientSteps);
  ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);

  HGDIOBJ oldFont = ::SelectObject(dc, fonts().Get(L"Tahoma", kBannerFontHeight, false, false, dpi()));
  ::SetBkMode(dc, TRANSPARENT);
  std::wstring text = controls().Text(L"Label5");
  RECT shadow = item.rcItem;
  ::OffsetRect(&shadow, 1, 1);
  ::SetTextColor(dc, ui::kCream);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  RECT face = item.rcItem;
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
  ::SelectObject(dc, oldFont);
}

LRESULT TFormCleaner::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && static_cast<int>(wParam) == CleanerControlId(L"Label5")) {
    DrawBanner(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return Form::HandleMessage(message, wParam, lParam);
}

void TFormCleaner::RuleRangeSet(int maximum) {
  controls().SetProgressRange(L"Progress2", 0, maximum);
  controls().Repaint(L"Progress2");
}

void TFormCleaner::RulePositionSet(int position) {
  controls().SetProgress(L"Progress2", position);
  controls().Repaint(L"Progress2");
  ::UpdateWindow(handle());
}

void TFormCleaner::FileDeleted(int32_t deletedFileCount) {
  controls().SetText(L"LabelFiles", std::to_wstring(deletedFileCount));
  ::UpdateWindow(controls().Handle(L"LabelFiles"));
}

void TFormCleaner::SetFigure(std::wstring_view label, std::wstring_view text) { controls().SetText(label, text); }

void TFormCleaner::Repaint() {
  ::RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace teko
