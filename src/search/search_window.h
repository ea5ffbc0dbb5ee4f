#pragma once
// The file search window: mask, start folder and what to look for above, the
// status, and the results grid below, sortable by each column and opening a
// hit's folder on a double-click. Shown without modality from the tools page.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <exception>
#include <memory>
#include <string_view>

#include "platform/file_system_win32.h"
#include "search/file_search.h"
#include "search/file_time_format_win32.h"
#include "search/grid_sorting.h"
#include "search/result_grid.h"
#include "search/search_screen.h"
#include "search/shell_command_win32.h"
#include "search/text_collator_win32.h"
#include "ui/directory_list.h"
#include "ui/drive_combo.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace teko {

// The control IDs of the search window's rows, for tests that drive it.
inline constexpr int kFirstSearchControlId = 100;
int SearchWindowControlId(std::wstring_view name);

class TFormSearch final : public ui::Form, private SearchScreen, private MessagePump {
 public:
  TFormSearch();
  ~TFormSearch() override;
  void Create(HWND owner);

  // The application-wide error event: every error that reaches the message
  // loop ends here. It waits 10 ms and shows nothing.
  static void ApplicationEvents1Exception(const std::exception_ptr& error);

 private:
  void CreateControls();
  void FormShow() override;
  void FormResize() override;
  void DpiChanged() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void ApplyTexts();
  void BitBtn2Click() { Close(); }
  void ListBox1DblClick(int item);
  void StringGrid1MouseDown(std::optional<GridCell> cell, bool leftButton);
  LRESULT StringGrid1GetDispInfo(const NMHDR& header);
  void BindEvents();
  void CreateImageLists();
  void ShowSortMarkers();
  bool OnGradient(HWND control) const;

  SearchInputs ReadInputs() const override;
  void SetStatus(std::wstring_view text) override;
  void ShowStopButton(bool stop) override;
  void SetBusyCursor(bool busy) override;
  void GridChanged(bool paintNow) override;
  // Hands the window to the message loop while a file search walks.
  bool ProcessMessages() override;
  // Brings the list's row count and markers up to date with the grid.
  void SyncGrid();
  void ShowGrid();
  void SearchClick();
  void PaintStatus();

  Win32FileSystem files_;
  Win32FileTimeFormat times_;
  Win32TextCollator collator_;
  Win32ShellCommand shell_;
  std::unique_ptr<ui::MessageDialogs> dialogs_;
  ResultGrid grid_;
  GridSorting sorting_{grid_, collator_};
  std::unique_ptr<FileSearch> search_;
  ui::DriveCombo drives_;
  ui::DirectoryList folders_;
  HIMAGELIST markers_ = nullptr;
  HIMAGELIST rowHeight_ = nullptr;
  std::array<SortMarker, kGridColumns> shownMarkers_{};
  int itemCount_ = 0;
  bool gridStale_ = true;
  std::wstring status_;
  bool statusPending_ = false;
  ULONGLONG statusPaintedAt_ = 0;
  ULONGLONG messagesProcessedAt_ = 0;
  bool busy_ = false;
};

}  // namespace teko
