#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;
constexpr auto B = ControlKind::Button;
}  // namespace

std::span<const ui::ControlSpec> ControlPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"Label71", 168, 10, 0, 0, L"Clipboard Viewer", style::kNavy | style::kBold, 13},
      {B, L"BitBtn1", 32, 32, 117, 30, L"Clear Clipboard"},
      {B, L"BitBtn2", 148, 32, 115, 30, L"Clear recycle bin"},
      {B, L"BitBtn13", 262, 32, 84, 30, L"Cleaner"},
      {B, L"BitBtn27", 345, 32, 92, 30, L"Screenshot"},
      {ControlKind::ClipboardViewer, L"ClipboardViewer", 32, 68, 400, 236},

      {ControlKind::Label, L"Label66", 514, 6, 0, 0, L"System dialogues", style::kUnderline},
      {B, L"BitBtn31", 453, 24, 100, 30, L"Control  ", {}, 0, {}, L"Show control panel"},
      {B, L"BitBtn32", 556, 24, 100, 30, L"DirectX"},
      {B, L"BitBtn18", 453, 55, 100, 30, L"Sevices", {}, 0, {}, L"Show control panel"},
      {B, L"BitBtn8", 556, 55, 100, 30, L"Users", {}, 0, {}, L"Show user control"},
      {B, L"BitBtn3", 453, 86, 100, 30, L"Software ", {}, 0, {}, L"Show software list"},
      {B, L"BitBtn9", 556, 86, 100, 30, L"Firewall", {}, 0, {}, L"Show firewall configuration"},
      {B, L"BitBtn4", 453, 116, 100, 30, L"Display", {}, 0, {}, L"Show display properties dialogue"},
      {B, L"BitBtn14", 556, 116, 100, 30, L"Security", {}, 0, {}, L"Show security center"},
      {B, L"BitBtn5", 453, 146, 100, 30, L"Multimedia", {}, 0, {}, L"Show multimedia settings"},
      {B, L"BitBtn15", 556, 146, 100, 30, L"Mouse", {}, 0, {}, L"Show mouse settings"},
      {B, L"BitBtn7", 453, 176, 100, 30, L"Date/Time", {}, 0, {}, L"Set date/time"},
      {B, L"BitBtn16", 556, 176, 100, 30, L"Keyboard", {}, 0, {}, L"Show keyboard settings"},
      {B, L"BitBtn17", 453, 207, 100, 30, L"Internet", {}, 0, {}, L"Show internet settings"},
      {B, L"BitBtn6", 556, 207, 100, 30, L"System", {}, 0, {}, L"Show system and hardware information"},
      {B, L"BitBtn19", 453, 238, 100, 30, L"Printers", {}, 0, {}, L"Show printers folder"},
      {B, L"BitBtn20", 556, 238, 100, 30, L"Connections", {}, 0, {}, L"Show network connections"},
      {B, L"BitBtn23", 453, 269, 100, 30, L"Workstation", {}, 0, {}, L"Show computer information"},
      {B, L"BitBtn22", 556, 269, 100, 30, L"LAN", {}, 0, {}, L"Show LAN information"},
      {ControlKind::Panel, L"Panel1", 455, 302, 198, 5, {}, style::kBorder},

      {B, L"BitBtn11", 32, 310, 124, 30, L"Shut down"},
      {B, L"BitBtn12", 157, 310, 124, 30, L"Reboot"},
      {B, L"BitBtn21", 281, 310, 124, 30, L"Regedit"},
      {B, L"BitBtn26", 406, 310, 124, 30, L"Search"},
      {B, L"BitBtn25", 532, 310, 124, 30, L"Secure Delete", {}, 0, {}, L"Secure delete/Shred files"},
      {B, L"BitBtn33", 32, 342, 155, 30, L"Save icon positions"},
      {B, L"BitBtn34", 189, 342, 155, 30, L"Restore icon positions"},
      {B, L"BitBtnRestore", 345, 342, 155, 30, L"Set restore point"},
      {B, L"BtnStartRes", 501, 342, 155, 30, L"Enable/Disable restore"},
  };
  return layout;
}

}  // namespace teko
