#include "driver/screenshot.h"

#include <fstream>
#include <string>
#include <vector>

#include "driver/app_process.h"

namespace teko::e2e {

namespace {

std::wstring ScreenshotFolder() {
  wchar_t folder[MAX_PATH];
  DWORD length = ::GetEnvironmentVariableW(L"TEKO_SCREENSHOTS", folder, MAX_PATH);
  std::wstring path = (length > 0 && length < MAX_PATH) ? std::wstring(folder, length)
                                                        : TestProgramFolder() + L"..\\..\\screenshots";
  ::CreateDirectoryW(path.c_str(), nullptr);
  return path + L"\\";
}

}  // namespace

std::wstring SaveScreenshot(std::wstring_view name, HWND window) {
  if (window) {
    // Let the window handle what is queued (and paint) before the picture.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  // A window that has just appeared (a message box) paints a moment later.
  ::Sleep(250);
  RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (window) {
    ::GetWindowRect(window, &area);
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
  }
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  size_t rowBytes = static_cast<size_t>((width * 3 + 3) & ~3);
  size_t imageBytes = rowBytes * static_cast<size_t>(height);

  std::wstring path = ScreenshotFolder() + std::wstring(name) + L".bmp";
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + imageBytes);
  info.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageBytes));

  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return path;
}

}  // namespace teko::e2e
