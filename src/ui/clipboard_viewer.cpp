#include "ui/clipboard_viewer.h"

#include <algorithm>
#include <memory>
#include <string>

#include "platform/handles_win32.h"
#include "ui/error_boundary.h"
#include "ui/window.h"

namespace teko::ui {

namespace {

constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kFirstReadMessage = WM_APP;
constexpr UINT kRetryMs = 50;
constexpr int kMargin = 4;
constexpr int kWheelLines = 3;

struct EnhMetaFileDeleter {
  void operator()(HENHMETAFILE file) const { ::DeleteEnhMetaFile(file); }
};
using EnhMetaFile = UniqueResource<HENHMETAFILE, EnhMetaFileDeleter, nullptr>;

// What the viewer shows: copies, since the clipboard's own data may go at
// its next change.
struct Content {
  std::wstring text;
  GdiObject bitmap;
  EnhMetaFile metafile;
  SIZE pictureSize{0, 0};
  bool hasText = false;
};

struct Viewer {
  Content content;
  HFONT font = nullptr;
  int scrollTop = 0;
  int textHeight = 0;  // measured when the text, the font or the size changes
};

Viewer* ViewerOf(HWND window) { return reinterpret_cast<Viewer*>(::GetWindowLongPtrW(window, GWLP_USERDATA)); }

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

SIZE MetafileSize(HENHMETAFILE file, HWND window) {
  ENHMETAHEADER header{};
  ::GetEnhMetaFileHeader(file, sizeof header, &header);
  // The frame is in 0.01 mm; show it at the screen's resolution.
  WindowDc dc(window);
  int dpiX = dc ? ::GetDeviceCaps(dc.get(), LOGPIXELSX) : 96;
  int dpiY = dc ? ::GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
  return SIZE{::MulDiv(header.rclFrame.right - header.rclFrame.left, dpiX, 2540),
              ::MulDiv(header.rclFrame.bottom - header.rclFrame.top, dpiY, 2540)};
}

// Reads the clipboard; false when another program holds it just now.
bool ReadClipboard(HWND window, Content& content) {
  if (!::OpenClipboard(window)) return false;
  content = Content{};
  if (HANDLE data = ::IsClipboardFormatAvailable(CF_UNICODETEXT) ? ::GetClipboardData(CF_UNICODETEXT) : nullptr) {
    if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
      size_t limit = ::GlobalSize(data) / sizeof(wchar_t);
      content.text.assign(text, std::find(text, text + limit, L'\0'));
      content.hasText = true;
      ::GlobalUnlock(data);
    }
  } else if (HANDLE bitmap = ::IsClipboardFormatAvailable(CF_BITMAP) ? ::GetClipboardData(CF_BITMAP) : nullptr) {
    content.bitmap.reset(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    if (content.bitmap) content.pictureSize = BitmapSize(static_cast<HBITMAP>(content.bitmap.get()));
  } else if (HANDLE file = ::IsClipboardFormatAvailable(CF_ENHMETAFILE) ? ::GetClipboardData(CF_ENHMETAFILE) : nullptr) {
    content.metafile.reset(::CopyEnhMetaFileW(static_cast<HENHMETAFILE>(file), nullptr));
    if (content.metafile) content.pictureSize = MetafileSize(content.metafile.get(), window);
  }
  ::CloseClipboard();
  return true;
}

std::wstring Description(const Content& content) {
  if (content.hasText) return content.text;
  if (content.bitmap || content.metafile) {
    return L"Picture " + std::to_wstring(content.pictureSize.cx) + L" x " + std::to_wstring(content.pictureSize.cy);
  }
  return {};
}

RECT TextBox(HWND window) {
  RECT box;
  ::GetClientRect(window, &box);
  ::InflateRect(&box, -kMargin, -kMargin);
  return box;
}

constexpr UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;

int TextHeight(HWND window, const Viewer& viewer) {
  WindowDc dc(window);
  if (!dc) return 0;
  HGDIOBJ old = viewer.font ? ::SelectObject(dc.get(), viewer.font) : nullptr;
  RECT box = TextBox(window);
  ::DrawTextW(dc.get(), viewer.content.text.c_str(), static_cast<int>(viewer.content.text.size()), &box,
              kTextFormat | DT_CALCRECT);
  if (old) ::SelectObject(dc.get(), old);
  return box.bottom - box.top + 2 * kMargin;
}

void UpdateScrollBar(HWND window, Viewer& viewer) {
  RECT client;
  ::GetClientRect(window, &client);
  int page = client.bottom - client.top;
  viewer.scrollTop = std::clamp(viewer.scrollTop, 0, std::max(0, viewer.textHeight - page));
  SCROLLINFO info{sizeof info};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = std::max(0, viewer.textHeight - 1);
  info.nPage = static_cast<UINT>(std::max(0, page));
  info.nPos = viewer.scrollTop;
  ::SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void Measure(HWND window, Viewer& viewer) {
  viewer.textHeight = viewer.content.hasText ? TextHeight(window, viewer) : 0;
  UpdateScrollBar(window, viewer);
}

bool Shows(const Content& content) { return content.hasText || content.bitmap || content.metafile; }

void Refresh(HWND window) {
  Viewer* viewer = ViewerOf(window);
  if (!viewer) return;
  bool showed = Shows(viewer->content);
  if (!ReadClipboard(window, viewer->content)) {
    ::SetTimer(window, kRetryTimer, kRetryMs, nullptr);
    return;
  }
  // Nothing before and nothing now: the window need not paint again.
  if (!showed && !Shows(viewer->content)) return;
  viewer->scrollTop = 0;
  ::SetWindowTextW(window, Description(viewer->content).c_str());
  Measure(window, *viewer);
  ::InvalidateRect(window, nullptr, TRUE);
}

void ScrollTo(HWND window, Viewer& viewer, int top) {
  viewer.scrollTop = top;
  UpdateScrollBar(window, viewer);
  ::InvalidateRect(window, nullptr, TRUE);
}

void OnVerticalScroll(HWND window, Viewer& viewer, int request) {
  SCROLLINFO info{sizeof info};
  info.fMask = SIF_ALL;
  ::GetScrollInfo(window, SB_VERT, &info);
  int line = 16;
  int top = viewer.scrollTop;
  switch (request) {
    case SB_LINEUP: top -= line; break;
    case SB_LINEDOWN: top += line; break;
    case SB_PAGEUP: top -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: top += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = info.nTrackPos; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = info.nMax; break;
    default: return;
  }
  ScrollTo(window, viewer, top);
}

void DrawPicture(HDC dc, const Viewer& viewer, const RECT& client) {
  SIZE box{client.right - client.left - 2 * kMargin, client.bottom - client.top - 2 * kMargin};
  SIZE shown = FitPicture(viewer.content.pictureSize, box);
  RECT target{kMargin, kMargin, kMargin + shown.cx, kMargin + shown.cy};
  if (viewer.content.metafile) {
    ::PlayEnhMetaFile(dc, viewer.content.metafile.get(), &target);
    return;
  }
  MemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  HGDIOBJ old = ::SelectObject(source.get(), viewer.content.bitmap.get());
  ::SetStretchBltMode(dc, HALFTONE);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::StretchBlt(dc, target.left, target.top, shown.cx, shown.cy, source.get(), 0, 0, viewer.content.pictureSize.cx,
               viewer.content.pictureSize.cy, SRCCOPY);
  ::SelectObject(source.get(), old);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  const Viewer* viewer = ViewerOf(window);
  RECT client;
  ::GetClientRect(window, &client);
  ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  if (viewer && viewer->content.hasText) {
    HGDIOBJ old = viewer->font ? ::SelectObject(dc, viewer->font) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    RECT box = TextBox(window);
    ::OffsetRect(&box, 0, -viewer->scrollTop);
    box.bottom = box.top + viewer->textHeight;
    ::DrawTextW(dc, viewer->content.text.c_str(), static_cast<int>(viewer->content.text.size()), &box, kTextFormat);
    if (old) ::SelectObject(dc, old);
  } else if (viewer && (viewer->content.bitmap || viewer->content.metafile)) {
    DrawPicture(dc, *viewer, client);
  }
  ::EndPaint(window, &ps);
}

LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Viewer));
      return ::DefWindowProcW(window, message, wParam, lParam);
    case WM_CREATE:
      ::AddClipboardFormatListener(window);
      // Read once the window shows: the first paint need not wait for it.
      ::PostMessageW(window, kFirstReadMessage, 0, 0);
      return 0;
    case kFirstReadMessage:
    case WM_CLIPBOARDUPDATE:
      Refresh(window);
      return 0;
    case WM_TIMER:
      if (wParam == kRetryTimer) {
        ::KillTimer(window, kRetryTimer);
        Refresh(window);
      }
      return 0;
    case WM_SETFONT:
      if (Viewer* viewer = ViewerOf(window)) {
        viewer->font = reinterpret_cast<HFONT>(wParam);
        Measure(window, *viewer);
      }
      if (lParam) ::InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT: {
      const Viewer* viewer = ViewerOf(window);
      return viewer ? reinterpret_cast<LRESULT>(viewer->font) : 0;
    }
    case WM_SIZE:
      if (Viewer* viewer = ViewerOf(window)) Measure(window, *viewer);
      ::InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_VSCROLL:
      if (Viewer* viewer = ViewerOf(window)) OnVerticalScroll(window, *viewer, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (Viewer* viewer = ViewerOf(window)) {
        int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        ScrollTo(window, *viewer, viewer->scrollTop - notches * kWheelLines * 16);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      ::RemoveClipboardFormatListener(window);
      ::KillTimer(window, kRetryTimer);
      return 0;
    case WM_NCDESTROY:
      delete ViewerOf(window);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return ::DefWindowProcW(window, message, wParam, lParam);
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK ViewerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Handle(window, message, wParam, lParam);
  } catch (...) {
    HandleUncaught();
    return 0;
  }
}

}  // namespace

SIZE FitPicture(SIZE picture, SIZE box) {
  if (picture.cx <= 0 || picture.cy <= 0 || box.cx <= 0 || box.cy <= 0) return SIZE{0, 0};
  if (picture.cx <= box.cx && picture.cy <= box.cy) return picture;
  // Shrink by the tighter of the two ratios, computed in 64 bits.
  bool widthBinds = static_cast<long long>(picture.cx) * box.cy >= static_cast<long long>(picture.cy) * box.cx;
  SIZE shown = widthBinds ? SIZE{box.cx, static_cast<LONG>(static_cast<long long>(picture.cy) * box.cx / picture.cx)}
                          : SIZE{static_cast<LONG>(static_cast<long long>(picture.cx) * box.cy / picture.cy), box.cy};
  return SIZE{std::max<LONG>(shown.cx, 1), std::max<LONG>(shown.cy, 1)};
}

void RegisterClipboardViewerClass() {
  RegisterControlClass(kClipboardViewerClassName, ViewerProcedure);
}

}  // namespace teko::ui
