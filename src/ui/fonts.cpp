#include "ui/fonts.h"

namespace teko::ui {

FontCache::~FontCache() {
  for (auto& [key, font] : fonts_) ::DeleteObject(font);
}

HFONT FontCache::Get(std::wstring_view face, int height96, bool bold, bool underline, int dpi) {
  auto key = std::make_tuple(std::wstring(face), height96, bold, underline, dpi);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = -::MulDiv(height96, dpi, 96);  // negative: character height, as Delphi's Font.Height
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  HFONT font = ::CreateFontIndirectW(&lf);
  fonts_.emplace(std::move(key), font);
  return font;
}

}  // namespace teko::ui
