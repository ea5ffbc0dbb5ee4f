#include "app/main_pages.h"

namespace teko {

namespace {
using ui::ControlKind;
namespace style = ui::style;

constexpr int kCaptionLeft = 16;
constexpr int kCaptionWidth = 130;
constexpr int kValueLeft = 150;
constexpr int kValueWidth = 510;
constexpr int kRowHeight = 16;

constexpr int Row(int index) { return 16 + 26 * index; }
}  // namespace

std::span<const ui::ControlSpec> FoldersPageLayout() {
  static const ui::ControlSpec layout[] = {
      {ControlKind::Label, L"", kCaptionLeft, Row(0), kCaptionWidth, kRowHeight, L"AppData:"},
      {ControlKind::Label, L"LabelAppdata", kValueLeft, Row(0), kValueWidth, kRowHeight, L"FolderAppdata", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(1), kCaptionWidth, kRowHeight, L"Common Desktop Dir:"},
      {ControlKind::Label, L"LabelDesktop", kValueLeft, Row(1), kValueWidth, kRowHeight, L"FolderDesktop", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(2), kCaptionWidth, kRowHeight, L"Common StartUp Dir:"},
      {ControlKind::Label, L"LabelStartUp", kValueLeft, Row(2), kValueWidth, kRowHeight, L"FolderStartUp", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(3), kCaptionWidth, kRowHeight, L"Common Favorites:"},
      {ControlKind::Label, L"LabelFavorites1", kValueLeft, Row(3), kValueWidth, kRowHeight, L"FolderFavorites", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(4), kCaptionWidth, kRowHeight, L"Cookies:"},
      {ControlKind::Label, L"LabelCookies", kValueLeft, Row(4), kValueWidth, kRowHeight, L"FoldeCookies", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(5), kCaptionWidth, kRowHeight, L"Desktop:"},
      {ControlKind::Label, L"LabelMyDesktop", kValueLeft, Row(5), kValueWidth, kRowHeight, L"FoldeMyDesk", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(6), kCaptionWidth, kRowHeight, L"Favorites:"},
      {ControlKind::Label, L"LabelMyFavorites", kValueLeft, Row(6), kValueWidth, kRowHeight, L"FoldeMyFav", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(7), kCaptionWidth, kRowHeight, L"History:"},
      {ControlKind::Label, L"LabelHistory", kValueLeft, Row(7), kValueWidth, kRowHeight, L"FolderHistory", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(8), kCaptionWidth, kRowHeight, L"InternetCache:"},
      {ControlKind::Label, L"LabelInternet", kValueLeft, Row(8), kValueWidth, kRowHeight, L"FolderInternet", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(9), kCaptionWidth, kRowHeight, L"StartUp:"},
      {ControlKind::Label, L"LabelMyStartUp", kValueLeft, Row(9), kValueWidth, kRowHeight, L"FolderMyStart", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(10), kCaptionWidth, kRowHeight, L"System:"},
      {ControlKind::Label, L"LabelSystem", kValueLeft, Row(10), kValueWidth, kRowHeight, L"FolderSystem", style::kMaroon | style::kNoWrap},
      {ControlKind::Label, L"", kCaptionLeft, Row(11), kCaptionWidth, kRowHeight, L"Temp:"},
      {ControlKind::Label, L"LabelTemp", kValueLeft, Row(11), kValueWidth, kRowHeight, L"FolderTemp", style::kMaroon | style::kNoWrap},
  };
  return layout;
}

}  // namespace teko
