#pragma once
// The desktop's icon list in the shell's process, and the position file.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "tools/icon_positions.h"

namespace teko {

// The list view holding the desktop icons, or null.
HWND FindDesktopListView();

class Win32DesktopIcons final : public DesktopIcons {
 public:
  // The desktop's list, or another list view (tests).
  explicit Win32DesktopIcons(HWND listView);
  bool Found() const override;
  std::vector<IconPoint> Positions() override;
  void Move(int index, IconPoint point) override;

 private:
  HWND listView_;
  DWORD processId_ = 0;
};

class Win32IconPositionFile final : public IconPositionFile {
 public:
  explicit Win32IconPositionFile(std::wstring path) : path_(std::move(path)) {}
  bool Exists() const override;
  std::vector<std::wstring> ReadLines() const override;
  void WriteLines(std::span<const std::wstring> lines) override;

 private:
  std::wstring path_;
};

// "iconpos.csv" in the all-users application data folder.
std::wstring IconPositionFilePath(std::wstring_view commonAppData);

// The tools page's two buttons.
void SaveDesktopIconPositions(std::wstring_view commonAppData);
void RestoreDesktopIconPositions(std::wstring_view commonAppData, Dialogs& dialogs);

}  // namespace teko
