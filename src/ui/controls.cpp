#include "ui/controls.h"

#include <commctrl.h>

#include <stdexcept>

#include "core/text.h"
#include "ui/clipboard_viewer.h"
#include "ui/clock_control.h"
#include "ui/dpi.h"

namespace teko::ui {

namespace {

using namespace style;

struct Creation {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

Creation CreationFor(const ControlSpec& design, bool startsGroup) {
  const uint32_t s = design.style;
  auto has = [s](uint32_t flag) { return (s & flag) != 0; };
  DWORD visible = has(kHidden) ? 0 : WS_VISIBLE;
  DWORD base = WS_CHILD | visible;
  switch (design.kind) {
    case ControlKind::Label: {
      DWORD align = has(kRightAlign) ? SS_RIGHT : has(kCentered) ? SS_CENTER : SS_LEFT;
      if (has(kNoWrap)) align = SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;
      return {L"STATIC", base | SS_NOPREFIX | align | (has(kClickable) ? SS_NOTIFY : 0u), 0};
    }
    case ControlKind::Button:
      return {L"BUTTON", base | WS_TABSTOP | (has(kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", base | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::RadioButton:
      return {L"BUTTON", base | BS_AUTORADIOBUTTON | (startsGroup ? WS_GROUP | WS_TABSTOP : 0u), 0};
    case ControlKind::GroupBox:
      return {L"BUTTON", base | BS_GROUPBOX, 0};
    case ControlKind::Edit:
      return {L"EDIT",
              base | WS_TABSTOP | ES_AUTOHSCROLL | (has(kRightAlign) ? ES_RIGHT : 0u) | (has(kReadOnly) ? ES_READONLY : 0u),
              WS_EX_CLIENTEDGE};
    case ControlKind::Memo:
      return {L"EDIT",
              base | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | (has(kVScroll) ? WS_VSCROLL : 0u) |
                  (has(kHScroll) ? WS_HSCROLL | ES_AUTOHSCROLL : 0u) | (has(kReadOnly) ? ES_READONLY : 0u),
              has(kNoBorder) ? 0u : static_cast<DWORD>(WS_EX_CLIENTEDGE)};
    case ControlKind::ListBox:
      return {L"LISTBOX",
              base | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (has(kSorted) ? LBS_SORT : 0u) |
                  (has(kMultiSelect) ? LBS_EXTENDEDSEL : 0u) |
                  (has(kOwnerDraw) ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0u) | (has(kHScroll) ? WS_HSCROLL : 0u),
              WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
    case ControlKind::DropDownList:
      return {L"COMBOBOX",
              base | WS_TABSTOP | WS_VSCROLL |
                  (design.kind == ControlKind::ComboBox ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) |
                  (has(kSorted) ? CBS_SORT : 0u) | (has(kOwnerDraw) ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0u),
              0};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSW, base | (has(kSmooth) ? PBS_SMOOTH : 0u), 0};
    case ControlKind::Image:
      return {L"STATIC", base | SS_ICON | SS_CENTERIMAGE | (has(kClickable) ? SS_NOTIFY : 0u), 0};
    case ControlKind::Link:
      return {WC_LINK, base | WS_TABSTOP, 0};
    case ControlKind::Clock:
      return {kClockClassName, base, 0};
    case ControlKind::ClipboardViewer:
      return {kClipboardViewerClassName, base, WS_EX_CLIENTEDGE};
    case ControlKind::Panel:
      return {L"", base, 0};
    case ControlKind::IconComboBox:
      return {WC_COMBOBOXEXW, base | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::IconList:
      return {WC_LISTVIEWW,
              base | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                  (has(kMultiSelect) ? 0u : LVS_SINGLESEL),
              WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
      return {WC_LISTVIEWW,
              base | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | (has(kVirtual) ? LVS_OWNERDATA : 0u) |
                  (has(kMultiSelect) ? 0u : LVS_SINGLESEL),
              WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", base, 0};
}

bool IsList(const ControlSpec& design) { return design.kind == ControlKind::ListBox; }
bool IsCombo(const ControlSpec& design) {
  return design.kind == ControlKind::ComboBox || design.kind == ControlKind::DropDownList ||
         design.kind == ControlKind::IconComboBox;
}

// Where a control lies in its container, in physical pixels.
struct Placement {
  int x, y, width, height;
};

Placement PlacementOf(const ControlSpec& design, int dpi) {
  int height = IsCombo(design) ? design.height * 10 : design.height;  // a combo box's height is its open list's
  return {Scale(design.left, dpi), Scale(design.top, dpi), Scale(design.width, dpi), Scale(height, dpi)};
}

std::wstring WindowText(HWND window) {
  int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring LinkMarkup(std::wstring_view caption) {
  return L"<a href=\"" + std::wstring(caption) + L"\">" + std::wstring(caption) + L"</a>";
}

}  // namespace

ControlSet::~ControlSet() {
  for (auto& [key, icon] : icons_) ::DestroyIcon(icon);
}

size_t ControlSet::Build(HWND container, std::span<const ControlSpec> layout, int firstId, int dpi, FontCache& fonts,
                         FormFont font) {
  size_t table = AddTable({container, {}, false}, layout, firstId, dpi, fonts, font);
  Realize(table);
  return table;
}

size_t ControlSet::BuildLater(std::function<HWND()> container, std::span<const ControlSpec> layout, int firstId,
                              int dpi, FontCache& fonts, FormFont font) {
  return AddTable({nullptr, std::move(container), false}, layout, firstId, dpi, fonts, font);
}

size_t ControlSet::AddTable(Table added, std::span<const ControlSpec> layout, int firstId, int dpi, FontCache& fonts,
                            FormFont font) {
  fonts_ = &fonts;
  font_ = font;
  dpi_ = dpi;
  size_t table = tables_.size();
  tables_.push_back(std::move(added));
  bool previousWasRadio = false;
  for (size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& design = layout[i];
    auto control = std::make_unique<Control>();
    control->design = &design;
    control->id = firstId + static_cast<int>(i);
    control->table = table;
    if (!design.parent.empty()) {
      auto panel = byName_.find(design.parent);
      if (panel == byName_.end() || panel->second->design->kind != ControlKind::Panel) {
        throw std::logic_error("layout: panel row must come before its controls");
      }
    }
    control->startsGroup = design.kind == ControlKind::RadioButton && !previousWasRadio;
    previousWasRadio = design.kind == ControlKind::RadioButton;
    if (!design.name.empty()) {
      if (!byName_.emplace(std::wstring(design.name), control.get()).second) {
        throw std::logic_error("layout: two controls share a name");
      }
    }
    byId_[control->id] = control.get();
    controls_.push_back(std::move(control));
  }
  return table;
}

void ControlSet::Realize(size_t table) {
  Table& realized = tables_[table];
  if (realized.realized) return;
  realized.realized = true;
  if (!realized.container) realized.container = realized.makeContainer();
  for (auto& control : controls_) {
    if (control->table != table) continue;
    control->container = control->design->parent.empty() ? realized.container
                                                         : byName_.find(control->design->parent)->second->hwnd;
    Create(*control, dpi_);
  }
}

bool ControlSet::RealizeNext() {
  for (size_t table = 0; table < tables_.size(); ++table) {
    if (!tables_[table].realized) {
      Realize(table);
      return true;
    }
  }
  return false;
}

void ControlSet::Create(Control& control, int dpi) {
  const ControlSpec& design = *control.design;
  if (design.kind == ControlKind::Panel) {
    control.panel = std::make_unique<Container>();
    RECT bounds{Scale(design.left, dpi), Scale(design.top, dpi), Scale(design.left + design.width, dpi),
                Scale(design.top + design.height, dpi)};
    COLORREF background = (design.style & kWhite) ? RGB(255, 255, 255) : CLR_INVALID;
    control.panel->Create(control.container, control.id, bounds, background,
                          (design.style & kBorder) ? WS_EX_STATICEDGE : 0);
    control.hwnd = control.panel->handle();
    if (!(design.style & kHidden)) ::ShowWindow(control.hwnd, SW_SHOWNA);
    return;
  }
  Creation creation = CreationFor(design, control.startsGroup);
  std::wstring caption = design.kind == ControlKind::Link  ? LinkMarkup(design.caption)
                         : design.kind == ControlKind::Image ? std::wstring()
                                                           : std::wstring(design.caption);
  // Made in place, and telling no parent: every call less counts when a page
  // of controls is made.
  Placement place = PlacementOf(design, dpi);
  control.hwnd = ::CreateWindowExW(creation.exStyle | WS_EX_NOPARENTNOTIFY, creation.className, caption.c_str(),
                                   creation.style, place.x, place.y, place.width, place.height, control.container,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                   ::GetModuleHandleW(nullptr), nullptr);
  if (!control.hwnd) throw std::runtime_error("layout: a control could not be created");
  switch (design.kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (design.style & kChecked) ::SendMessageW(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case ControlKind::ProgressBar:
      ::SendMessageW(control.hwnd, PBM_SETRANGE32, 0, 100);
      break;
    case ControlKind::ListView:
      ::SendMessageW(control.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER | LVS_EX_HEADERDRAGDROP);
      break;
    case ControlKind::IconList:
      ::SendMessageW(control.hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
      break;
    default:
      break;
  }
  ApplyFont(control, dpi);
  if (design.kind == ControlKind::Label && design.width == 0) FitLabel(control);
  LoadPicture(control, dpi);
  if (!design.hint.empty()) hints_.Add(control.hwnd, design.hint);
}

void ControlSet::Place(const Control& control, int dpi) {
  Placement place = PlacementOf(*control.design, dpi);
  ::SetWindowPos(control.hwnd, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (control.design->kind == ControlKind::Label && control.design->width == 0) FitLabel(control);
}

void ControlSet::ApplyFont(const Control& control, int dpi) {
  const ControlSpec& design = *control.design;
  HFONT font = fonts_->Get(font_.face, design.fontHeight ? design.fontHeight : font_.height, (design.style & kBold) != 0,
                           (design.style & kUnderline) != 0, dpi);
  // A control not on screen has nothing to redraw.
  ::SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), ::IsWindowVisible(control.hwnd));
}

void ControlSet::LoadPicture(const Control& control, int dpi) {
  int size = Scale(16, dpi);
  if (control.design->style & kHelpGlyph) {
    auto glyph = static_cast<HICON>(::LoadImageW(nullptr, IDI_QUESTION, IMAGE_ICON, size, size, LR_SHARED));
    ::SendMessageW(control.hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph));
    return;
  }
  if (control.design->kind != ControlKind::Image || control.design->caption.empty()) return;
  auto key = std::make_pair(std::wstring(control.design->caption), size);
  HICON& icon = icons_[key];
  if (!icon) {
    icon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), key.first.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  }
  if (icon) ::SendMessageW(control.hwnd, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void ControlSet::FitLabel(const Control& control) {
  HDC dc = ::GetDC(control.hwnd);
  if (!dc) return;
  HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control.hwnd, WM_GETFONT, 0, 0)));
  std::wstring text = WindowText(control.hwnd);
  SIZE extent{0, 0};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ::SelectObject(dc, old);
  ::ReleaseDC(control.hwnd, dc);
  int height = control.design->height ? Scale(control.design->height, dpi_) : extent.cy;
  ::SetWindowPos(control.hwnd, nullptr, 0, 0, extent.cx + 2, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlSet::Rescale(int dpi) {
  dpi_ = dpi;
  for (auto& control : controls_) {
    if (!control->hwnd) continue;
    if (control->panel) {
      Placement place = PlacementOf(*control->design, dpi);
      ::SetWindowPos(control->hwnd, nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
      continue;
    }
    ApplyFont(*control, dpi);
    Place(*control, dpi);
    LoadPicture(*control, dpi);
  }
}

const ControlSet::Control& ControlSet::Row(std::wstring_view name) const {
  auto it = byName_.find(name);
  if (it == byName_.end()) throw std::logic_error("no control named " + Utf8FromWide(name));
  return *it->second;
}

const ControlSet::Control& ControlSet::Find(std::wstring_view name) const {
  const Control& control = Row(name);
  // Using a control of a table built for later brings the table into being.
  if (!control.hwnd) const_cast<ControlSet*>(this)->Realize(control.table);
  return control;
}

ControlSet::Control& ControlSet::Find(std::wstring_view name) {
  return const_cast<Control&>(static_cast<const ControlSet*>(this)->Find(name));
}

bool ControlSet::Has(std::wstring_view name) const { return byName_.find(name) != byName_.end(); }
HWND ControlSet::Handle(std::wstring_view name) const { return Find(name).hwnd; }
int ControlSet::Id(std::wstring_view name) const { return Row(name).id; }

const ControlSpec* ControlSet::SpecOfId(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second->design;
}

int ControlSet::IdWithStyle(uint32_t flag) const {
  for (const auto& c : controls_) {
    if (c->design->style & flag) return c->id;
  }
  return -1;
}

std::wstring_view ControlSet::NameOfId(int id) const {
  const ControlSpec* design = SpecOfId(id);
  return design ? design->name : std::wstring_view();
}

const ControlSpec* ControlSet::SpecOf(HWND control) const {
  for (const auto& c : controls_) {
    if (c->hwnd && c->hwnd == control) return c->design;
  }
  return nullptr;
}

Container* ControlSet::PanelOf(HWND control) const {
  HWND parent = ::GetParent(control);
  for (const auto& c : controls_) {
    if (c->panel && c->hwnd == parent) return c->panel.get();
  }
  return nullptr;
}

Container* ControlSet::Panel(std::wstring_view name) const { return Find(name).panel.get(); }

std::wstring ControlSet::Text(std::wstring_view name) const { return WindowText(Find(name).hwnd); }

void ControlSet::SetText(std::wstring_view name, std::wstring_view text) {
  const Control& control = Find(name);
  std::wstring value = control.design->kind == ControlKind::Link ? LinkMarkup(text) : std::wstring(text);
  ::SetWindowTextW(control.hwnd, value.c_str());
  if (control.design->kind == ControlKind::Label && control.design->width == 0) FitLabel(control);
}

void ControlSet::AppendText(std::wstring_view name, std::wstring_view text) { SetText(name, Text(name) + std::wstring(text)); }

bool ControlSet::Checked(std::wstring_view name) const {
  return ::SendMessageW(Find(name).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ControlSet::SetChecked(std::wstring_view name, bool checked) {
  ::SendMessageW(Find(name).hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ControlSet::SetProgress(std::wstring_view name, int position) {
  ::SendMessageW(Find(name).hwnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void ControlSet::SetProgressRange(std::wstring_view name, int minimum, int maximum) {
  ::SendMessageW(Find(name).hwnd, PBM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
}

int ControlSet::Progress(std::wstring_view name) const {
  return static_cast<int>(::SendMessageW(Find(name).hwnd, PBM_GETPOS, 0, 0));
}

std::wstring ControlSet::Hint(std::wstring_view name) { return hints_.TextOf(Find(name).hwnd); }

bool ControlSet::Visible(std::wstring_view name) const {
  return (::GetWindowLongPtrW(Find(name).hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void ControlSet::SetVisible(std::wstring_view name, bool visible) {
  ::ShowWindow(Find(name).hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlSet::SetEnabled(std::wstring_view name, bool enabled) { ::EnableWindow(Find(name).hwnd, enabled); }

void ControlSet::Repaint(std::wstring_view name) {
  HWND window = Find(name).hwnd;
  ::InvalidateRect(window, nullptr, TRUE);
  ::UpdateWindow(window);
}

void ControlSet::SetItems(std::wstring_view name, std::span<const std::wstring> items) {
  const Control& control = Find(name);
  ::SendMessageW(control.hwnd, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const auto& item : items) {
    ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(item.c_str()));
  }
  ::SendMessageW(control.hwnd, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(control.hwnd, nullptr, TRUE);
}

void ControlSet::AddItem(std::wstring_view name, std::wstring_view item) {
  const Control& control = Find(name);
  std::wstring text(item);
  ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void ControlSet::DeleteItem(std::wstring_view name, int index) {
  const Control& control = Find(name);
  ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_DELETESTRING : LB_DELETESTRING,
                 static_cast<WPARAM>(index), 0);
}

int ControlSet::ItemCount(std::wstring_view name) const {
  const Control& control = Find(name);
  return static_cast<int>(::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

std::wstring ControlSet::ItemText(std::wstring_view name, int index) const {
  const Control& control = Find(name);
  bool combo = IsCombo(*control.design);
  LRESULT length =
      ::SendMessageW(control.hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = ::SendMessageW(control.hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

std::vector<std::wstring> ControlSet::Items(std::wstring_view name) const {
  std::vector<std::wstring> items;
  int count = ItemCount(name);
  for (int i = 0; i < count; ++i) items.push_back(ItemText(name, i));
  return items;
}

int ControlSet::ItemIndex(std::wstring_view name) const {
  const Control& control = Find(name);
  if (IsList(*control.design) && (control.design->style & kMultiSelect)) {
    return static_cast<int>(::SendMessageW(control.hwnd, LB_GETCARETINDEX, 0, 0));
  }
  LRESULT index = ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return index < 0 ? -1 : static_cast<int>(index);
}

void ControlSet::SetItemIndex(std::wstring_view name, int index) {
  const Control& control = Find(name);
  ::SendMessageW(control.hwnd, IsCombo(*control.design) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<int> ControlSet::SelectedIndexes(std::wstring_view name) const {
  HWND list = Find(name).hwnd;
  LRESULT count = ::SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> indexes(static_cast<size_t>(count));
  count = ::SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indexes.data()));
  indexes.resize(count < 0 ? 0 : static_cast<size_t>(count));
  return indexes;
}

void ControlSet::SetLines(std::wstring_view name, std::span<const std::wstring> lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  SetText(name, text);
}

std::vector<std::wstring> ControlSet::Lines(std::wstring_view name) const { return SplitLines(Text(name)); }

COLORREF ControlSet::TextColorOf(HWND control) const {
  const ControlSpec* design = SpecOf(control);
  if (!design) return CLR_INVALID;
  if (design->style & kMaroon) return RGB(128, 0, 0);
  if (design->style & kTeal) return RGB(0, 128, 128);
  if (design->style & kNavy) return RGB(0, 0, 128);
  return CLR_INVALID;
}

}  // namespace teko::ui
