#include "process/process_page_controller_window.h"

#include "core/paths.h"
#include "platform/module_path_win32.h"
#include "ui/application.h"

namespace teko {

namespace {
constexpr std::wstring_view kList = L"ListBox1";
constexpr std::wstring_view kMemo = L"Memo1";
}  // namespace

ProcessPageController::ProcessPageController(ui::ControlSet& controls, HWND owner)
    : controls_(controls),
      dialogs_(owner),
      page_(*this, {snapshot_, access_, versions_, dialogs_}, ExtractFileName(ExecutablePath())) {}

void ProcessPageController::SetEntries(std::span<const std::wstring> entries) { controls_.SetItems(kList, entries); }

std::vector<std::wstring> ProcessPageController::Entries() const { return controls_.Items(kList); }

void ProcessPageController::RemoveEntry(int index) {
  controls_.DeleteItem(kList, index);
  controls_.Repaint(kList);
}

int ProcessPageController::SelectedIndex() const { return controls_.ItemIndex(kList); }

void ProcessPageController::SetDetails(std::span<const std::wstring> lines) { controls_.SetLines(kMemo, lines); }

void ProcessPageController::SetBusy(bool busy) { ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW)); }

void ProcessPageController::Pause(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

void ProcessPageController::EndProgram() { ui::Application::Instance().Terminate(); }

}  // namespace teko
