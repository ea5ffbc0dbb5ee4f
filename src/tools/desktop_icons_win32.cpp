#include "tools/desktop_icons_win32.h"

#include <commctrl.h>


#include "core/paths.h"
#include "platform/ansi_text_file_win32.h"
#include "platform/os_error_win32.h"
#include "tools/remote_buffer_win32.h"

namespace teko {

namespace {
constexpr size_t kRemoteBufferSize = 4095;
constexpr size_t kRemotePointOffset = 52;
}  // namespace

HWND FindDesktopListView() {
  HWND desktop = ::FindWindowW(L"ProgMan", nullptr);
  if (!desktop) return nullptr;
  HWND view = ::GetWindow(::GetWindow(desktop, GW_CHILD), GW_CHILD);
  if (!view) return nullptr;
  wchar_t className[40] = {};
  ::GetClassNameW(view, className, 40);
  return std::wstring_view(className) == L"SysListView32" ? view : nullptr;
}

Win32DesktopIcons::Win32DesktopIcons(HWND listView) : listView_(listView) {
  if (listView_) ::GetWindowThreadProcessId(listView_, &processId_);
}

bool Win32DesktopIcons::Found() const { return listView_ && processId_; }

std::vector<IconPoint> Win32DesktopIcons::Positions() {
  RemoteBuffer buffer;
  buffer.OpenRemoteBuffer(processId_, kRemoteBufferSize);
  void* remotePoint = static_cast<char*>(buffer.address()) + kRemotePointOffset;
  auto count = static_cast<int>(::SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0));
  std::vector<IconPoint> points;
  for (int i = 0; i < count; ++i) {
    POINT point{};
    buffer.WriteRemoteBuffer(&point, remotePoint, sizeof point);
    ::SendMessageW(listView_, LVM_GETITEMPOSITION, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remotePoint));
    buffer.ReadRemoteBuffer(remotePoint, &point, sizeof point);
    points.push_back({point.x, point.y});
  }
  buffer.CloseRemoteBuffer();
  return points;
}

void Win32DesktopIcons::Move(int index, IconPoint point) {
  ::SendMessageW(listView_, LVM_SETITEMPOSITION, static_cast<WPARAM>(index),
                 static_cast<LPARAM>(PackIconPosition(point)));
}

bool Win32IconPositionFile::Exists() const {
  DWORD attributes = ::GetFileAttributesW(path_.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file that cannot be read holds no positions, as an empty one.
std::vector<std::wstring> Win32IconPositionFile::ReadLines() const {
  return ReadAnsiLines(path_).value_or(std::vector<std::wstring>());
}

void Win32IconPositionFile::WriteLines(std::span<const std::wstring> lines) {
  if (uint32_t error = WriteAnsiLines(path_, lines)) throw MakeOsError(error);
}

std::wstring IconPositionFilePath(std::wstring_view commonAppData) {
  return JoinPath(commonAppData, kIconPositionFileName);
}

void SaveDesktopIconPositions(std::wstring_view commonAppData) {
  Win32DesktopIcons icons(FindDesktopListView());
  Win32IconPositionFile file(IconPositionFilePath(commonAppData));
  SaveIconPositions(icons, file);
}

void RestoreDesktopIconPositions(std::wstring_view commonAppData, Dialogs& dialogs) {
  Win32DesktopIcons icons(FindDesktopListView());
  Win32IconPositionFile file(IconPositionFilePath(commonAppData));
  RestoreIconPositions(icons, file, dialogs);
}

}  // namespace teko
