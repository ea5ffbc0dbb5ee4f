#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace teko::ui {

// Fonts by face, pixel height at 96 dpi, weight and underline, made for one
// DPI and kept until the cache ends.
class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;
  ~FontCache();
  HFONT Get(std::wstring_view face, int height96, bool bold, bool underline, int dpi);

 private:
  std::map<std::tuple<std::wstring, int, bool, bool, int>, HFONT> fonts_;
};

}  // namespace teko::ui
