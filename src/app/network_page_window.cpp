#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;

constexpr int kCaptionLeft = 16;
constexpr int kCaptionWidth = 136;
constexpr int kValueLeft = 154;
constexpr int kValueWidth = 296;  // the public-address group starts at x 465
constexpr int kRowHeight = 16;

constexpr int Row(int index) { return 16 + 26 * index; }
}  // namespace

std::span<const ui::ControlSpec> NetworkPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"", kCaptionLeft, Row(0), kCaptionWidth, kRowHeight, L"DomainName:"},
      {ControlKind::Label, L"LabelDomain", kValueLeft, Row(0), kValueWidth, kRowHeight, L"Domain", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(1), kCaptionWidth, kRowHeight, L"IP Address:"},
      {ControlKind::Label, L"LabelIP", kValueLeft, Row(1), kValueWidth, kRowHeight, L"IP", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(2), kCaptionWidth, kRowHeight, L"Local Computername:"},
      {ControlKind::Label, L"LabelCName", kValueLeft, Row(2), kValueWidth, kRowHeight, L"Computer", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(3), kCaptionWidth, kRowHeight, L"Local Workgroup:"},
      {ControlKind::Label, L"LabelWorkgroup", kValueLeft, Row(3), kValueWidth, kRowHeight, L"Workgroup", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(4), kCaptionWidth, kRowHeight, L"Local Username:"},
      {ControlKind::Label, L"LabelUser", kValueLeft, Row(4), kValueWidth, kRowHeight, L"Username", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(5), kCaptionWidth, kRowHeight, L"Currently online:"},
      {ControlKind::Image, L"ImageOnline", kValueLeft, Row(5), 16, 16, L"MARK_YES", style::kHidden},
      {ControlKind::Image, L"ImageOffline", kValueLeft, Row(5), 16, 16, L"MARK_NO", style::kHidden},
  };
  return layout;
}

}  // namespace teko
