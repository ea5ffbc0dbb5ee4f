#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;

constexpr int kCaptionLeft = 16;
constexpr int kValueLeft = 120;
constexpr int kValueWidth = 270;  // the drive list and its buttons start at x 400
constexpr int kRowHeight = 16;

constexpr int Row(int index) { return 16 + 24 * index; }
}  // namespace

std::span<const ui::ControlSpec> SystemPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"", kCaptionLeft, Row(0), 100, kRowHeight, L"Product Name:"},
      {ControlKind::Label, L"LabelName", kValueLeft, Row(0), kValueWidth, kRowHeight, L"Name", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(1), 100, kRowHeight, L"Product ID:"},
      {ControlKind::Label, L"LabelID", kValueLeft, Row(1), kValueWidth, kRowHeight, L"ID", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(2), 100, kRowHeight, L"Version Major:"},
      {ControlKind::Label, L"LabelVersionM", kValueLeft, Row(2), kValueWidth, kRowHeight, L"Major", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(3), 100, kRowHeight, L"Version Minor:"},
      {ControlKind::Label, L"LabelVersionMin", kValueLeft, Row(3), kValueWidth, kRowHeight, L"Minor", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(4), 100, kRowHeight, L"Build:"},
      {ControlKind::Label, L"LabelBuild", kValueLeft, Row(4), kValueWidth, kRowHeight, L"Build", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(5), 100, kRowHeight, L"Servicepack:"},
      {ControlKind::Label, L"LabelPackName", kValueLeft, Row(5), kValueWidth, kRowHeight, L"SName", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(6), 100, kRowHeight, L"SP Version:"},
      {ControlKind::Label, L"LabelSPVersion", kValueLeft, Row(6), kValueWidth, kRowHeight, L"SPV", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(7), 100, kRowHeight, L"IE Version:"},
      {ControlKind::Label, L"LabelIE", kValueLeft, Row(7), kValueWidth, kRowHeight, L"IEVersion", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(8), 100, kRowHeight, L"DirectX:"},
      {ControlKind::Label, L"LabelDirectX", kValueLeft, Row(8), kValueWidth, kRowHeight, L"DirectX", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(9), 100, kRowHeight, L"Reg. Company:"},
      {ControlKind::Label, L"LabelCompany", kValueLeft, Row(9), kValueWidth, kRowHeight, L"RegComp", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(10), 100, kRowHeight, L"Reg. Owner:"},
      {ControlKind::Label, L"LabelRegUser", kValueLeft, Row(10), kValueWidth, kRowHeight, L"RegUser", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(11), 100, kRowHeight, L"PC type:"},
      {ControlKind::Label, L"LabelPType", kValueLeft, Row(11), kValueWidth, kRowHeight, L"____", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(12), 100, kRowHeight, L"VM:"},
      {ControlKind::Label, L"Label113", kValueLeft, Row(12), kValueWidth, kRowHeight, L"____", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(13), 100, kRowHeight, L"Def. browser:"},
      {ControlKind::Label, L"LabelDefBrowser", kValueLeft, Row(13), kValueWidth, kRowHeight, L"Browser", style::kMaroon | style::kNoWrap},
  };
  return layout;
}

}  // namespace teko
