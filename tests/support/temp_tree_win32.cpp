#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "support/temp_tree_win32.h"

namespace teko::testing {

std::string HostPath(const std::wstring& path) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  auto convert = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* name = convert(path.c_str());
  if (!name) return {};
  std::string result(name);
  ::HeapFree(::GetProcessHeap(), 0, name);
  return result;
}

std::string FileBytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Wine does not let a Windows program wait for a Linux process, so the
// command leaves its exit code in a file and the caller waits for that.
int RunOnHost(const std::string& command) {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring done = std::wstring(temp) + L"teko-host-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                      std::to_wstring(counter++);
  ::CreateDirectoryW(done.c_str(), nullptr);
  std::string doneHost = HostPath(done);
  ::RemoveDirectoryW(done.c_str());
  if (doneHost.empty()) return -1;
  std::string script = "(" + command + "); echo $? > " + ShellQuoted(doneHost + ".tmp") + "; mv " +
                       ShellQuoted(doneHost + ".tmp") + " " + ShellQuoted(doneHost);
  std::wstring line = L"/bin/sh -c \"";
  for (char c : script) {
    if (c == '"' || c == '\\' || c == '$') line += L'\\';
    line += static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  line += L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return -1;
  }
  UniqueHandle thread(process.hThread);
  UniqueHandle child(process.hProcess);
  for (int waited = 0; waited < 60000 && ::GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 10) {
    ::Sleep(10);
  }
  FileHandle file(::CreateFileW(done.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return -1;
  char text[16] = {};
  DWORD read = 0;
  ::ReadFile(file.get(), text, sizeof text - 1, &read, nullptr);
  file = FileHandle();
  ::DeleteFileW(done.c_str());
  return std::atoi(text);
}

TempTree::TempTree() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  root_ = std::wstring(temp) + L"teko-cleaner-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
          std::to_wstring(counter++);
  ::CreateDirectoryW(root_.c_str(), nullptr);
}

TempTree::~TempTree() {
  std::string host = HostPath(root_);
  if (!host.empty()) RunOnHost("chmod -R u+w " + ShellQuoted(host) + "; rm -rf " + ShellQuoted(host));
}

void TempTree::AddFolder(const std::wstring& relative) const {
  std::wstring path = Path(relative);
  for (size_t at = root_.size() + 1; at <= path.size(); ++at) {
    if (at == path.size() || path[at] == L'\\') ::CreateDirectoryW(LongPathForm(path.substr(0, at)).c_str(), nullptr);
  }
}

void TempTree::AddFile(const std::wstring& relative, size_t size, uint32_t attributes) const {
  size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring::npos) AddFolder(relative.substr(0, slash));
  FileHandle file(::CreateFileW(LongPathForm(Path(relative)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes(size, 'x');
  DWORD written = 0;
  if (file && size) ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(size), &written, nullptr);
  file = FileHandle();
  if (attributes) ::SetFileAttributesW(LongPathForm(Path(relative)).c_str(), attributes);
}

bool TempTree::AddHostLink(const std::wstring& relative, const std::wstring& target) const {
  std::string link = HostPath(Path(relative));
  std::string to = HostPath(target);
  return !link.empty() && !to.empty() && RunOnHost("ln -s " + ShellQuoted(to) + " " + ShellQuoted(link)) == 0;
}

std::vector<std::wstring> TempTree::Contents() const {
  std::vector<std::wstring> paths;
  std::vector<std::wstring> pending{L""};
  while (!pending.empty()) {
    std::wstring relative = pending.back();
    pending.pop_back();
    std::wstring folder = relative.empty() ? root_ : Path(relative);
    WIN32_FIND_DATAW data;
    FindHandle find(::FindFirstFileW(LongPathForm(folder + L"\\*").c_str(), &data));
    if (!find) continue;
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = relative.empty() ? name : relative + L"\\" + name;
      paths.push_back(path);
      bool folderToEnter = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                           !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
      if (folderToEnter) pending.push_back(path);
    } while (::FindNextFileW(find.get(), &data));
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace teko::testing
