#include "app/save_report_window.h"

#include <array>

#include "app/info_pages.h"
#include "app/machine_report_win32.h"
#include "platform/os_error_win32.h"
#include "platform/replace_file_win32.h"
#include "ui/message_box.h"
#include "ui/save_dialog.h"

namespace teko {

namespace {

struct FileType {
  ui::SaveFileType type;
  ReportFormat format;
};

const std::array<FileType, 3>& FileTypes() {
  static const std::array<FileType, 3> types = {{
      {{L"Text (*.txt)", L"txt"}, ReportFormat::Text},
      {{L"Web page (*.html)", L"html"}, ReportFormat::Html},
      {{L"JSON inventory (*.json)", L"json"}, ReportFormat::Json},
  }};
  return types;
}

// The collecting runs every page's filler: the cursor says the window is busy.
class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { ::SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

}  // namespace

void SaveMachineReport(HWND owner, InfoSources& sources) {
  std::vector<ui::SaveFileType> types;
  for (const FileType& type : FileTypes()) types.push_back(type.type);
  ui::CommonSaveDialog dialog(types, L"Teko report");
  std::optional<std::wstring> path = dialog.Execute(owner);
  if (!path) return;
  ReportFormat format = ReportFormatForFile(*path, FileTypes()[dialog.pickedType()].format);
  std::string bytes;
  {
    WaitCursor busy;
    bytes = RenderReport(CollectMachineReport(sources, InfoPages(), true), format);
  }
  if (uint32_t error = ReplaceFileContents(*path, bytes)) {
    ui::ShowMessage(owner, MessageKind::Error,
                L"The report could not be saved to \"" + *path + L"\".\n" + SystemErrorText(error) +
                    L"\nNothing was written.");
  }
}

}  // namespace teko
