#include "search/search_window.h"

#include <algorithm>

#include "search/open_hit.h"
#include "search/search_texts.h"
#include "search/shown_size.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/error_boundary.h"
#include "ui/gradient.h"

namespace teko {

namespace {

using ui::ControlKind;
namespace style = ui::style;

constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr int kGradientSteps = 200;
constexpr int kColumnWidths[kGridColumns] = {507, 96, 134};
constexpr int kRowHeight = 25;
constexpr int kMarkerSize = 16;
constexpr ULONGLONG kStatusPaintInterval = 40;  // milliseconds
constexpr ULONGLONG kMessageInterval = 10;

// Places are relative to the client area, or to the panel a row names.
constexpr ui::ControlSpec kLayout[] = {
    {ControlKind::Panel, L"Panel3", 0, 0, 764, 36},
    {ControlKind::Label, L"Label5", 0, 8, 764, 24, L"Search", style::kCentered, 19, L"Panel3"},
    {ControlKind::Panel, L"Panel4", 0, 36, 764, 170},
    {ControlKind::GroupBox, L"Options1", 330, 6, 171, 41, L"Search for...", 0, 0, L"Panel4"},
    {ControlKind::RadioButton, L"Options1Files", 340, 22, 74, 17, L"Files", style::kChecked, 0, L"Panel4"},
    {ControlKind::RadioButton, L"Options1Folders", 420, 22, 74, 17, L"Folders", 0, 0, L"Panel4"},
    {ControlKind::Label, L"Label1", 340, 62, 0, 0, L"Search mask", 0, 0, L"Panel4"},
    {ControlKind::CheckBox, L"CheckBox1", 416, 61, 145, 17, L"Include subdirectories", style::kChecked, 0, L"Panel4"},
    {ControlKind::Label, L"Label3", 340, 106, 0, 0, L"Start folder", 0, 0, L"Panel4"},
    {ControlKind::IconComboBox, L"DriveCombo1", 17, 42, 288, 22},
    {ControlKind::IconList, L"DirectoryListBox1", 17, 67, 307, 117},
    {ControlKind::Edit, L"Edit1", 336, 119, 225, 21, L"*.tmp"},
    {ControlKind::Button, L"BtnSearch", 564, 114, 81, 30, L"Find", style::kDefault},
    {ControlKind::Button, L"BtnStop", 567, 115, 74, 30, L"Stop", style::kHidden},
    {ControlKind::Button, L"BitBtn2", 646, 114, 99, 30, L"Exit", style::kCancel},
    {ControlKind::Panel, L"Panel1", 336, 161, 409, 23, {}, style::kWhite | style::kBorder},
    {ControlKind::Label, L"Label2", 3, 3, 399, 15, {}, style::kNoWrap, 0, L"Panel1"},
    {ControlKind::Panel, L"Panel2", 507, 49, 225, 38, {}, style::kBorder},
    {ControlKind::ListView, L"StringGrid1", 0, 200, 764, 344, {}, style::kVirtual},
};

ui::FormSpec SearchFormSpec() {
  ui::FormSpec description{L"TFormSearch", L"", 764, 544};
  description.sizeable = true;
  description.maximizeBox = true;
  return description;
}

void PaintCentredText(HWND panel, HFONT font, HDC dc, const RECT& area) {
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
  wchar_t text[256];
  int length = ::GetWindowTextW(panel, text, static_cast<int>(std::size(text)));
  HGDIOBJ old = ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  RECT box = area;
  ::DrawTextW(dc, text, length, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SelectObject(dc, old);
}

}  // namespace

int SearchWindowControlId(std::wstring_view name) { return ui::ControlIdOf(kLayout, name, kFirstSearchControlId); }

TFormSearch::TFormSearch() : ui::Form(SearchFormSpec()) {}

TFormSearch::~TFormSearch() {
  if (markers_) ::ImageList_Destroy(markers_);
  if (rowHeight_) ::ImageList_Destroy(rowHeight_);
}

void TFormSearch::Create(HWND owner) {
  CreateForm(owner, [this] { CreateControls(); });
}

void TFormSearch::CreateControls() {
  AddControls(kLayout, kFirstSearchControlId);
  dialogs_ = std::make_unique<ui::MessageDialogs>(handle());
  search_ = std::make_unique<FileSearch>(FileSearch::Seams{files_, times_, *this, *dialogs_, *this}, grid_, sorting_);

  auto& c = controls();
  for (const wchar_t* name : {L"Panel3", L"Panel4"}) {
    c.Panel(name)->SetPainter([](HDC dc, const RECT& area) {
      ui::FillVerticalGradient(dc, area, ui::kCream, kGrey, kGradientSteps);
    });
    // The controls that lie over the banner panels are drawn above them.
    ::SetWindowPos(c.Handle(name), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  HWND status = c.Handle(L"Panel2");
  c.Panel(L"Panel2")->SetPainter([this, status](HDC dc, const RECT& area) { PaintCentredText(status, font(), dc, area); });
  // The path label shortens long paths in the middle, keeping the last folder.
  HWND path = c.Handle(L"Label2");
  LONG_PTR pathStyle = ::GetWindowLongPtrW(path, GWL_STYLE);
  ::SetWindowLongPtrW(path, GWL_STYLE, (pathStyle & ~static_cast<LONG_PTR>(SS_ELLIPSISMASK)) | SS_PATHELLIPSIS);

  HWND grid = c.Handle(L"StringGrid1");
  ::SendMessageW(grid, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP, 0);
  // The window owns the grid's picture lists (see CreateImageLists).
  ::SetWindowLongPtrW(grid, GWL_STYLE, ::GetWindowLongPtrW(grid, GWL_STYLE) | LVS_SHAREIMAGELISTS);
  for (int column = 0; column < kGridColumns; ++column) {
    std::wstring header(search_texts::kHeaders[column]);
    LVCOLUMNW info{};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    info.fmt = column == kPathColumn ? LVCFMT_LEFT : LVCFMT_RIGHT;
    info.cx = Scale(kColumnWidths[column]);
    info.pszText = header.data();
    info.iSubItem = column;
    ::SendMessageW(grid, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
  }
  CreateImageLists();
  ShowGrid();

  drives_.Attach(*this, L"DriveCombo1", {DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM}, [this] {
    if (wchar_t drive = drives_.Drive()) folders_.SetDirectory(std::wstring(1, drive) + L":");
  });
  folders_.Attach(*this, L"DirectoryListBox1", [this] { controls().SetText(L"Label2", folders_.Directory()); });
  BindEvents();
  ui::SetUncaughtErrorEvent(&TFormSearch::ApplicationEvents1Exception);
  FormResize();
}

void TFormSearch::BindEvents() {
  OnClick(L"BtnSearch", [this] { SearchClick(); });
  // A click that reaches Stop after the search ended must not start another.
  OnClick(L"BtnStop", [this] {
    if (search_->Searching()) SearchClick();
  });
  OnClick(L"BitBtn2", [this] { BitBtn2Click(); });
  OnNotify(L"StringGrid1", LVN_GETDISPINFOW, [this](const NMHDR& header) { return StringGrid1GetDispInfo(header); });
  OnNotify(L"StringGrid1", LVN_COLUMNCLICK, [this](const NMHDR& header) {
    StringGrid1MouseDown(GridCell{0, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem}, true);
    return LRESULT{0};
  });
  for (UINT code : {static_cast<UINT>(NM_CLICK), static_cast<UINT>(NM_RCLICK)}) {
    OnNotify(L"StringGrid1", code, [this, code](const NMHDR& header) {
      const auto& press = reinterpret_cast<const NMITEMACTIVATE&>(header);
      std::optional<GridCell> cell;
      if (press.iItem >= 0) cell = GridCell{press.iItem + 1, std::max(press.iSubItem, 0)};
      StringGrid1MouseDown(cell, code == static_cast<UINT>(NM_CLICK));
      return LRESULT{0};
    });
  }
  OnNotify(L"StringGrid1", NM_DBLCLK, [this](const NMHDR& header) {
    ListBox1DblClick(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    return LRESULT{0};
  });
}

void TFormSearch::ApplicationEvents1Exception(const std::exception_ptr&) { ::Sleep(10); }

void TFormSearch::CreateImageLists() {
  if (markers_) ::ImageList_Destroy(markers_);
  if (rowHeight_) ::ImageList_Destroy(rowHeight_);
  int size = Scale(kMarkerSize);
  markers_ = ::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0);
  for (const wchar_t* name : {L"SORT_UP", L"SORT_DOWN"}) {
    auto icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0));
    ::ImageList_AddIcon(markers_, icon);
    if (icon) ::DestroyIcon(icon);
  }
  HWND grid = controls().Handle(L"StringGrid1");
  // An empty picture as tall as a row gives the rows their height. The list
  // hands its small pictures to its header too, so the header's own list of
  // markers comes after.
  rowHeight_ = ::ImageList_Create(1, Scale(kRowHeight) - 1, ILC_COLOR32, 1, 0);
  ::SendMessageW(grid, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowHeight_));
  auto header = reinterpret_cast<HWND>(::SendMessageW(grid, LVM_GETHEADER, 0, 0));
  ::SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(markers_));
  ShowSortMarkers();
}

void TFormSearch::FormShow() {
  drives_.Fill();
  if (folders_.Directory().empty()) folders_.SetDirectory(L"C:\\");
  sorting_.ResetForShow();
  grid_.Reset();
  ShowGrid();
  SetStatus(L"");
  ApplyTexts();
  MONITORINFO monitor{sizeof monitor};
  ::GetMonitorInfoW(::MonitorFromWindow(handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcMonitor;
  SIZE outer = OuterSize();
  auto in96 = [this](LONG pixels) { return ::MulDiv(static_cast<int>(pixels), 96, dpi()); };
  PixelSize shown = ShownSearchWindowSize(PixelSize{in96(screen.right - screen.left), in96(screen.bottom - screen.top)},
                                          PixelSize{in96(outer.cx), in96(outer.cy)});
  if (shown != PixelSize{in96(outer.cx), in96(outer.cy)}) {
    const RECT& work = monitor.rcWork;
    int width = Scale(shown.width), height = Scale(shown.height);
    ::SetWindowPos(handle(), nullptr, work.left + std::max(0, static_cast<int>(work.right - work.left) - width) / 2,
                   work.top + std::max(0, static_cast<int>(work.bottom - work.top) - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LVITEMW unselected{};
  unselected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(controls().Handle(L"StringGrid1"), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&unselected));
}

void TFormSearch::ApplyTexts() {
  using namespace search_texts;
  auto& c = controls();
  c.SetText(L"Label1", kMaskCaption);
  c.SetText(L"Label3", kStartFolderCaption);
  c.SetText(L"Label5", kTitle);
  c.SetText(L"CheckBox1", kIncludeSubfolders);
  c.SetText(L"BtnSearch", kFind);
  c.SetText(L"BitBtn2", kExit);
  c.SetText(L"Options1", kSearchFor);
  c.SetText(L"Options1Files", kFiles);
  c.SetText(L"Options1Folders", kFolders);
  HWND grid = c.Handle(L"StringGrid1");
  for (int column = 0; column < kGridColumns; ++column) {
    std::wstring header(kHeaders[column]);
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = header.data();
    ::SendMessageW(grid, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
  }
}

void TFormSearch::FormResize() {
  if (!controls().Has(L"StringGrid1")) return;  // still being created
  RECT client;
  ::GetClientRect(handle(), &client);
  int width = client.right - client.left;
  SIZE outer = OuterSize();
  int gridHeight = std::max(0, static_cast<int>(outer.cy) - Scale(240));
  auto& c = controls();
  auto resize = [](HWND window, int x, int y, int w, int h) {
    ::SetWindowPos(window, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  resize(c.Handle(L"Panel3"), 0, 0, width, Scale(36));
  resize(c.Handle(L"Label5"), 0, Scale(8), width, Scale(24));
  resize(c.Handle(L"Panel4"), 0, Scale(36), width, Scale(170));
  HWND grid = c.Handle(L"StringGrid1");
  resize(grid, 0, client.bottom - gridHeight, width, gridHeight);
  ::SendMessageW(grid, LVM_SETCOLUMNWIDTH, 0, std::max(0, static_cast<int>(outer.cx) - Scale(30) - Scale(250)));
  for (const wchar_t* panel : {L"Panel3", L"Panel4"}) ::InvalidateRect(c.Handle(panel), nullptr, TRUE);
}

void TFormSearch::DpiChanged() {
  HWND grid = controls().Handle(L"StringGrid1");
  for (int column = 1; column < kGridColumns; ++column) {
    ::SendMessageW(grid, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), Scale(kColumnWidths[column]));
  }
  CreateImageLists();
  FormResize();
}

bool TFormSearch::OnGradient(HWND control) const {
  HWND parent = ::GetParent(control);
  return parent == controls().Handle(L"Panel3") || parent == controls().Handle(L"Panel4");
}

LRESULT TFormSearch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // Captions on the gradient panels let the gradient show through.
      if (OnGradient(reinterpret_cast<HWND>(lParam))) {
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
      }
      return Form::HandleMessage(message, wParam, lParam);
    case WM_SETCURSOR:
      if (busy_) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      return Form::HandleMessage(message, wParam, lParam);
    default:
      return Form::HandleMessage(message, wParam, lParam);
  }
}

SearchInputs TFormSearch::ReadInputs() const {
  const auto& c = controls();
  return SearchInputs{c.Text(L"Edit1"), folders_.Directory(), c.Checked(L"CheckBox1"),
                      c.Checked(L"Options1Folders") ? SearchTarget::Folders : SearchTarget::Files};
}

// While a file search runs, its count is painted a few dozen times a second
// rather than at every hit: painting is what the walk would spend its time
// on. Every other status is painted at once.
void TFormSearch::SetStatus(std::wstring_view text) {
  status_ = text;
  statusPending_ = true;
  if (!search_->Searching() || ::GetTickCount64() - statusPaintedAt_ >= kStatusPaintInterval) PaintStatus();
}

void TFormSearch::PaintStatus() {
  if (!statusPending_) return;
  statusPending_ = false;
  controls().SetText(L"Panel2", status_);
  controls().Repaint(L"Panel2");
  statusPaintedAt_ = ::GetTickCount64();
}

void TFormSearch::ShowStopButton(bool stop) {
  controls().SetVisible(L"BtnStop", stop);
  controls().SetVisible(L"BtnSearch", !stop);
}

void TFormSearch::SetBusyCursor(bool busy) {
  busy_ = busy;
  ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void TFormSearch::SearchClick() {
  try {
    search_->BtnSearchClick();
  } catch (...) {
    PaintStatus();
    SyncGrid();
    throw;
  }
  PaintStatus();
  SyncGrid();
}

// The walk asks before every folder entry; looking into the queue costs
// more than a user can tell apart from a few milliseconds' delay.
bool TFormSearch::ProcessMessages() {
  auto& application = ui::Application::Instance();
  ULONGLONG now = ::GetTickCount64();
  if (now - messagesProcessedAt_ < kMessageInterval) return !application.terminated();
  messagesProcessedAt_ = now;
  if (now - statusPaintedAt_ >= kStatusPaintInterval) PaintStatus();
  SyncGrid();
  application.ProcessMessages();
  return !application.terminated();
}

// A file search records hits without taking messages; the list learns of
// them in one step when it can next paint, since each change of its row
// count costs time in proportion to the rows.
void TFormSearch::GridChanged(bool paintNow) {
  gridStale_ = true;
  if (!paintNow) return;
  SyncGrid();
  ::UpdateWindow(controls().Handle(L"StringGrid1"));
}

void TFormSearch::ShowGrid() {
  gridStale_ = true;
  SyncGrid();
}

void TFormSearch::SyncGrid() {
  if (!gridStale_) return;
  gridStale_ = false;
  HWND grid = controls().Handle(L"StringGrid1");
  int count = grid_.RowCount() - 1;
  if (count != itemCount_) {
    ::SendMessageW(grid, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    itemCount_ = count;
  }
  ::InvalidateRect(grid, nullptr, FALSE);
  ShowSortMarkers();
}

void TFormSearch::ShowSortMarkers() {
  auto header = reinterpret_cast<HWND>(::SendMessageW(controls().Handle(L"StringGrid1"), LVM_GETHEADER, 0, 0));
  for (int column = 0; column < kGridColumns; ++column) {
    SortMarker marker = sorting_.MarkerOf(column);
    if (marker == shownMarkers_[static_cast<size_t>(column)]) continue;
    shownMarkers_[static_cast<size_t>(column)] = marker;
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = HDF_STRING | HDF_LEFT | (marker == SortMarker::None ? 0 : HDF_IMAGE);
    item.iImage = marker == SortMarker::Descending ? 1 : 0;
    ::SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  }
}

LRESULT TFormSearch::StringGrid1GetDispInfo(const NMHDR& header) {
  auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
  int row = info.item.iItem + 1;
  if (info.item.mask & LVIF_IMAGE) info.item.iImage = I_IMAGENONE;
  if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return 0;
  std::wstring text = row >= 1 && row < grid_.RowCount() ? CellText(grid_.Row(row), info.item.iSubItem, times_) : L"";
  size_t length = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
  std::copy_n(text.data(), length, info.item.pszText);
  info.item.pszText[length] = L'\0';
  return 0;
}

void TFormSearch::StringGrid1MouseDown(std::optional<GridCell> cell, bool leftButton) {
  sorting_.MouseDown(cell, leftButton);
  ShowGrid();
}

void TFormSearch::ListBox1DblClick(int item) {
  OpenHit(grid_, sorting_, item + 1, files_, shell_, *dialogs_);
}

}  // namespace teko
