#pragma once
// Window layouts as data: one row per control, positions in 96-dpi pixels
// relative to the control's container. The builder in controls.h scales
// them for the monitor's DPI.
#include <cstdint>
#include <span>
#include <string_view>

namespace teko::ui {

enum class ControlKind : uint8_t {
  Label,        // static text
  Button,       // push button
  CheckBox,
  RadioButton,
  GroupBox,
  Edit,         // single-line text field
  Memo,         // multi-line text field
  ListBox,
  ComboBox,      // editable drop-down
  DropDownList,  // drop-down without editing
  ProgressBar,   // range 0 to 100
  Image,         // a 16 x 16 icon resource named by the caption
  Link,          // link label; the caption is its text and address
  Clock,         // time and date, kept current
  Panel,         // container for other controls (see `parent`)
  ListView,      // report-mode list
  IconComboBox,  // drop-down list whose entries carry icons (drive boxes)
  IconList,      // one-column list whose entries carry icons (folder and file lists)
  ClipboardViewer,  // shows the clipboard's text or picture, following every change
};

// Style flags of a row; the builder maps them to platform styles.
namespace style {
inline constexpr uint32_t kNone = 0;
inline constexpr uint32_t kBold = 1u << 0;
inline constexpr uint32_t kUnderline = 1u << 1;
inline constexpr uint32_t kMaroon = 1u << 2;  // value labels
inline constexpr uint32_t kTeal = 1u << 3;
inline constexpr uint32_t kNavy = 1u << 4;
inline constexpr uint32_t kHidden = 1u << 5;      // not visible at design time
inline constexpr uint32_t kRightAlign = 1u << 6;  // text fields and labels
inline constexpr uint32_t kSorted = 1u << 7;      // list boxes keep their entries sorted
inline constexpr uint32_t kMultiSelect = 1u << 8;
inline constexpr uint32_t kReadOnly = 1u << 9;
inline constexpr uint32_t kChecked = 1u << 10;     // check boxes and radio buttons
inline constexpr uint32_t kHScroll = 1u << 11;
inline constexpr uint32_t kVScroll = 1u << 12;
inline constexpr uint32_t kBorder = 1u << 13;      // lowered border (panels, memos)
inline constexpr uint32_t kNoBorder = 1u << 14;    // memos without their border
inline constexpr uint32_t kSmooth = 1u << 15;      // progress bars
inline constexpr uint32_t kClickable = 1u << 16;   // labels and images report clicks
inline constexpr uint32_t kOwnerDraw = 1u << 17;   // lists that draw their items (icons)
inline constexpr uint32_t kVirtual = 1u << 18;     // list views that ask for their items
inline constexpr uint32_t kCentered = 1u << 19;
inline constexpr uint32_t kDefault = 1u << 20;     // the button Enter presses
inline constexpr uint32_t kWhite = 1u << 21;       // white background (panels)
inline constexpr uint32_t kNoWrap = 1u << 22;      // labels end in an ellipsis instead of wrapping
inline constexpr uint32_t kCancel = 1u << 23;      // the button Escape presses
inline constexpr uint32_t kHelpGlyph = 1u << 24;   // buttons carrying the standard help glyph
}  // namespace style

struct ControlSpec {
  ControlKind kind;
  std::wstring_view name;  // the control's name in the window's tables; may be empty for plain captions
  int left, top, width, height;  // width 0 on a label: as wide as its text
  std::wstring_view caption = {};
  uint32_t style = style::kNone;
  int fontHeight = 0;           // pixel height at 96 dpi; 0 for the window's font
  std::wstring_view parent = {};  // name of the Panel holding it; empty for the window itself
  std::wstring_view hint = {};    // shown as a tooltip while the pointer rests on the control
};

// The control ID the builder gives the row called `name`: `firstId` plus the
// row's index. -1 when no row has that name.
int ControlIdOf(std::span<const ControlSpec> layout, std::wstring_view name, int firstId);

}  // namespace teko::ui
