#include "app/main_window.h"

#include <commctrl.h>

#include <stdexcept>

#include "app/help_rule.h"
#include "app/info_pages.h"
#include "app/main_pages.h"
#include "app/mainboard_page.h"
#include "app/save_report_window.h"
#include "app/version_text.h"
#include "platform/module_path_win32.h"
#include "platform/shell_open_win32.h"
#include "platform/startup_steps_win32.h"
#include "platform/user_locale_win32.h"
#include "sysinfo/win32_seams.h"
#include "ui/application.h"
#include "app/control_sink_win32.h"
#include "wmi/wmi_service_win32.h"

namespace teko {

extern const std::wstring_view kMakerAddress;

namespace {

constexpr unsigned kKeyF1 = VK_F1;
constexpr UINT_PTR kBuildPagesTimer = 1;
constexpr unsigned kHelpStartContext = 0;

ui::FormSpec MainFormSpec() {
  ui::FormSpec description{L"TFormSysInfo", L"Teko+", 683, 414};
  description.keyPreview = true;
  description.mainWindow = true;
  return description;
}

}  // namespace

TFormSysInfo::TFormSysInfo(ToolWindows& windows)
    : ui::Form(MainFormSpec()), sources_(Win32ComputerInfoSeams(), online_), windows_(windows) {
  sources_.wmi = MakeScriptingWmiService();
  sources_.DecimalSeparator = UserDecimalSeparator();
}

RECT TFormSysInfo::PageControlBounds() const {
  RECT client;
  ::GetClientRect(handle(), &client);
  return client;
}

void TFormSysInfo::Create() {
  CreateForm();
  MarkStartupStep(L"main window: frame");
  online_.SetOwner(handle());
  auto pageList = MainPages();
  std::vector<std::wstring_view> captions;
  for (const auto& page : pageList) captions.push_back(page.caption);
  pages_.Create(handle(), kPageControlId, PageControlBounds(), captions, font(), kFirstPageContainerId);
  MarkStartupStep(L"main window: tab control");
  // Only the page shown at start is built now, the others (and their
  // containers) once the window is on screen: some three hundred controls
  // take Wine a while.
  pageTables_.resize(pageList.size());
  for (size_t i = 0; i < pageList.size(); ++i) {
    int index = static_cast<int>(i);
    auto add = [&](std::span<const ui::ControlSpec> layout, int firstId) {
      pageTables_[i].push_back(index == kPageControl
                                   ? AddControls(layout, firstId, pages_.page(index))
                                   : AddControlsLater(layout, firstId, [this, index] { return pages_.page(index); }));
    };
    add(pageList[i].layout(), FirstControlIdOfPage(index));
    if (pageList[i].toolsLayout) add(pageList[i].toolsLayout(), FirstToolsControlIdOfPage(index));
  }
  MarkStartupStep(L"main window: controls of the first page");
  OnClick(L"BitBtn35", [this] { BitBtn35Click(); });
  OnClick(L"BitBtn36", [this] { BitBtn36Click(); });
  OnClick(L"LabelUrl", [this] { LabelUrlClick(); });
  OnClick(L"BtnSaveReport", [this] { SaveMachineReport(handle(), sources_); });
  OnSelect(kBankList, [this] { ComboBox1Select(); });
  tools_ = std::make_unique<MainWindowTools>(*this, sources_.ComputerInfo, windows_);
  BindProcessPage();
  pages_.Activate(kPageControl);
  // A registered message that throws inside a handler, so tests can see the
  // application-wide error event at work. Nothing else sends it.
  raiseTestErrorMessage_ = ::RegisterWindowMessageW(L"Teko.RaiseTestError");
}

void TFormSysInfo::FormShow() {
  ApplyLanguageRule();
  RefreshActivePage();
  ::SetTimer(handle(), kBuildPagesTimer, 1, nullptr);
}

void TFormSysInfo::ApplyLanguageRule() {
  ui::Application::Instance().SetHelpFile(HelpFileFor(ExecutableFolder(), sources_.ComputerInfo.System().DefaultInputLanguage()));
}

void TFormSysInfo::PageControl1Change() {
  for (size_t table : pageTables_[static_cast<size_t>(pages_.ActiveIndex())]) controls().Realize(table);
  pages_.ShowSelected();
  RefreshActivePage();
}

void TFormSysInfo::RefreshActivePage() {
  int index = pages_.ActiveIndex();
  tools_->PageShown(index);
  if (const InfoPage* page = FindInfoPage(index)) {
    ControlSink sink(controls());
    page->fill(sources_, sink);
    return;
  }
  switch (index) {
    case kPageProcess:
      // As a click on the page's "Refresh" button.
      processPage_->page().BtnRefreshClick();
      break;
    case kPageAbout:
      RefreshAboutPage();
      break;
    default:
      // Pages without a filler keep their design captions; "Control" has nothing to refresh.
      break;
  }
}

void TFormSysInfo::BindProcessPage() {
  processPage_ = std::make_unique<ProcessPageController>(controls(), handle());
  ProcessPage& page = processPage_->page();
  OnClick(L"BtnRefresh", [&page] { page.BtnRefreshClick(); });
  OnClick(L"BtnKill", [&page] { page.BtnKillClick(); });
  OnClick(L"BitBtn24", [&page] { page.BitBtn24Click(); });
  OnClick(L"ListBox1", [&page] { page.ListBox1Click(); });
}

void TFormSysInfo::ComboBox1Select() {
  ControlSink sink(controls());
  ShowMemoryModule(sources_.memoryModules, controls().ItemIndex(kBankList), sink);
}

void TFormSysInfo::RefreshAboutPage() { controls().SetText(L"LabelRelease", GetFileVersionText(ExecutablePath())); }

bool TFormSysInfo::FormKeyDown(unsigned key) {
  if (key == 'S' && ::GetKeyState(VK_CONTROL) < 0) {
    SaveMachineReport(handle(), sources_);
    return true;
  }
  if (key != kKeyF1) return false;
  ui::Application::Instance().ShowHelpContext(handle(), kHelpStartContext);
  return true;
}

void TFormSysInfo::BitBtn35Click() {
  ui::Application::Instance().SetHelpFile(ExecutableFolder() + L"tekod.chm");
  ui::Application::Instance().ShowHelpContext(handle(), kHelpStartContext);
}

void TFormSysInfo::BitBtn36Click() {
  ui::Application::Instance().SetHelpFile(ExecutableFolder() + L"tekoe.chm");
  ui::Application::Instance().ShowHelpContext(handle(), kHelpStartContext);
}

void TFormSysInfo::LabelUrlClick() { OpenWithShell(handle(), kMakerAddress); }

LRESULT TFormSysInfo::FormNotify(const NMHDR& header, bool& handled) {
  handled = false;
  if (header.idFrom == static_cast<UINT_PTR>(kPageControlId) && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
    handled = true;
    PageControl1Change();
  }
  return 0;
}

void TFormSysInfo::DpiChanged() { pages_.Resize(PageControlBounds(), font()); }

LRESULT TFormSysInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kBuildPagesTimer) {
    // One page per tick, so the window keeps answering meanwhile.
    if (!controls().RealizeNext()) ::KillTimer(handle(), kBuildPagesTimer);
    return 0;
  }
  if (message == raiseTestErrorMessage_ && raiseTestErrorMessage_ != 0) {
    throw std::runtime_error("error raised on request");
  }
  return ui::Form::HandleMessage(message, wParam, lParam);
}

}  // namespace teko
