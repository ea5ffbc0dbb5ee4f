#pragma once
// The controls of one window, created from its layout table and reached by
// name through typed accessors.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/container.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/tooltips.h"

namespace teko::ui {

struct FormFont {
  std::wstring_view face = L"Tahoma";
  int height = 11;  // pixels at 96 dpi
};

class ControlSet {
 public:
  ControlSet() = default;
  ~ControlSet();
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  // Creates the rows of `layout` in `container` (or in a Panel row named by
  // a row's `parent`), giving row i the ID firstId + i. Can be called once
  // per table; names must be unique within the window. Returns the table's
  // number.
  size_t Build(HWND container, std::span<const ControlSpec> layout, int firstId, int dpi, FontCache& fonts,
               FormFont font);
  // As Build, but the table is only known (names, IDs, handlers can be
  // bound) until it is realized: when one of its controls is first used,
  // by Realize or by RealizeNext. Its container is asked for then.
  size_t BuildLater(std::function<HWND()> container, std::span<const ControlSpec> layout, int firstId, int dpi,
                    FontCache& fonts, FormFont font);
  // Creates the controls of a table built for later, once.
  void Realize(size_t table);
  // Creates the first table still waiting; false when none is left.
  bool RealizeNext();
  // Moves, resizes and re-fonts every control for a new DPI.
  void Rescale(int dpi);

  bool Has(std::wstring_view name) const;
  HWND Handle(std::wstring_view name) const;  // throws std::logic_error for an unknown name
  int Id(std::wstring_view name) const;
  const ControlSpec* SpecOfId(int id) const;
  // The ID of the first row carrying a style flag, or -1.
  int IdWithStyle(uint32_t flag) const;
  std::wstring_view NameOfId(int id) const;
  const ControlSpec* SpecOf(HWND control) const;
  Container* PanelOf(HWND control) const;  // the Panel row a control lies in, if any
  Container* Panel(std::wstring_view name) const;

  std::wstring Text(std::wstring_view name) const;
  void SetText(std::wstring_view name, std::wstring_view text);
  void AppendText(std::wstring_view name, std::wstring_view text);
  bool Checked(std::wstring_view name) const;
  void SetChecked(std::wstring_view name, bool checked);
  void SetProgress(std::wstring_view name, int position);
  void SetProgressRange(std::wstring_view name, int minimum, int maximum);
  int Progress(std::wstring_view name) const;
  std::wstring Hint(std::wstring_view name);
  // Hints show from the pointer's first movement over the window on.
  void ActivateHints() { hints_.Activate(); }
  bool Visible(std::wstring_view name) const;
  void SetVisible(std::wstring_view name, bool visible);
  void SetEnabled(std::wstring_view name, bool enabled);
  void Repaint(std::wstring_view name);

  // List boxes and combo boxes: entries and the selected one.
  void SetItems(std::wstring_view name, std::span<const std::wstring> items);
  void AddItem(std::wstring_view name, std::wstring_view item);
  void DeleteItem(std::wstring_view name, int index);
  std::vector<std::wstring> Items(std::wstring_view name) const;
  int ItemCount(std::wstring_view name) const;
  std::wstring ItemText(std::wstring_view name, int index) const;
  int ItemIndex(std::wstring_view name) const;  // -1 for none
  void SetItemIndex(std::wstring_view name, int index);
  std::vector<int> SelectedIndexes(std::wstring_view name) const;  // multi-select lists

  // Memo lines (the last line break does not start an extra line).
  void SetLines(std::wstring_view name, std::span<const std::wstring> lines);
  std::vector<std::wstring> Lines(std::wstring_view name) const;

  // Text colour of a label, or CLR_INVALID for the system's.
  COLORREF TextColorOf(HWND control) const;

 private:
  struct Control {
    const ControlSpec* design;
    HWND hwnd;
    int id;
    HWND container;
    std::unique_ptr<Container> panel;  // for Panel rows
    bool startsGroup = false;
    size_t table = 0;
  };
  struct Table {
    HWND container;
    std::function<HWND()> makeContainer;  // for a table built for later
    bool realized;
  };
  // The row of a name, created or not.
  const Control& Row(std::wstring_view name) const;
  // The created control of a name (its table is realized first).
  const Control& Find(std::wstring_view name) const;
  Control& Find(std::wstring_view name);
  size_t AddTable(Table table, std::span<const ControlSpec> layout, int firstId, int dpi, FontCache& fonts,
                  FormFont font);
  void Create(Control& control, int dpi);
  void Place(const Control& control, int dpi);
  void ApplyFont(const Control& control, int dpi);
  void LoadPicture(const Control& control, int dpi);
  void FitLabel(const Control& control);

  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Table> tables_;
  std::map<std::wstring, Control*, std::less<>> byName_;
  std::map<int, Control*> byId_;
  std::map<std::pair<std::wstring, int>, HICON> icons_;  // pictures by name and pixel size
  Tooltips hints_;
  FontCache* fonts_ = nullptr;
  FormFont font_;
  int dpi_ = 96;
};

}  // namespace teko::ui
