#include "shredder/shred_files_win32.h"

#include <windows.h>

#include "platform/file_system_win32.h"
#include "platform/handles_win32.h"
#include "platform/listed_entry_win32.h"
#include "platform/os_error_win32.h"

namespace teko {

namespace {

uint64_t SizeOf(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

// No "insert a disk" boxes while a removable drive is asked.
class CriticalErrorsSuppressed {
 public:
  CriticalErrorsSuppressed() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  CriticalErrorsSuppressed(const CriticalErrorsSuppressed&) = delete;
  CriticalErrorsSuppressed& operator=(const CriticalErrorsSuppressed&) = delete;
  ~CriticalErrorsSuppressed() { ::SetThreadErrorMode(previous_, nullptr); }

 private:
  DWORD previous_ = 0;
};

class Win32ShredTarget final : public ShredTarget {
 public:
  explicit Win32ShredTarget(FileHandle file) : file_(std::move(file)) {}

  uint32_t Facts(OpenedFileFacts& facts) override {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file_.get(), &info)) return ::GetLastError();
    facts.attributes = info.dwFileAttributes;
    facts.size = SizeOf(info.nFileSizeHigh, info.nFileSizeLow);
    facts.links = info.nNumberOfLinks;
    return 0;
  }

  uint32_t Rewind() override {
    return ::SetFilePointerEx(file_.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN) ? 0 : ::GetLastError();
  }

  uint32_t Write(std::span<const uint8_t> bytes) override {
    DWORD written = 0;
    if (!::WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return ::GetLastError();
    }
    return written == bytes.size() ? 0 : ERROR_WRITE_FAULT;
  }

  uint32_t Flush() override { return ::FlushFileBuffers(file_.get()) ? 0 : ::GetLastError(); }

  uint32_t Delete() override { return DeleteWhenClosed(file_.get()); }

 private:
  FileHandle file_;
};

}  // namespace

std::optional<ShredFileFacts> Win32ShredFiles::Facts(std::wstring_view path) const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  BOOL ok;
  {
    CriticalErrorsSuppressed quiet;
    ok = ::GetFileAttributesExW(LongPathForm(path).c_str(), GetFileExInfoStandard, &data);
  }
  if (!ok) return std::nullopt;
  return ShredFileFacts{data.dwFileAttributes, SizeOf(data.nFileSizeHigh, data.nFileSizeLow)};
}

std::unique_ptr<ShredTarget> Win32ShredFiles::OpenExclusive(std::wstring_view path, uint32_t& error) {
  FileHandle file = OpenListedEntry(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, error);
  if (!file) return nullptr;
  return std::make_unique<Win32ShredTarget>(std::move(file));
}

std::wstring Win32ShredFiles::ErrorText(uint32_t code) const { return SystemErrorText(code); }

}  // namespace teko
