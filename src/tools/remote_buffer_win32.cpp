#include "tools/remote_buffer_win32.h"

#include <utility>

#include "platform/os_error_win32.h"

namespace teko {

namespace {
// PROCESS_ALL_ACCESS as the older systems define it, which every system accepts.
constexpr DWORD kProcessAllAccessXp = 0x1F0FFF;
}  // namespace

RemoteBuffer::~RemoteBuffer() {
  if (address_) ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

void RemoteBuffer::OpenRemoteBuffer(DWORD processId, size_t size) {
  CloseRemoteBuffer();
  UniqueHandle process(::OpenProcess(kProcessAllAccessXp, FALSE, processId));
  if (!process) RaiseLastOsError();
  void* address = ::VirtualAllocEx(process.get(), nullptr, size, MEM_COMMIT, PAGE_EXECUTE_READWRITE);
  if (!address) RaiseLastOsError();
  process_ = std::move(process);
  address_ = address;
  size_ = size;
}

void RemoteBuffer::WriteRemoteBuffer(const void* local, void* remote, size_t count) {
  if (!process_) return;
  if (!::WriteProcessMemory(process_.get(), remote, local, count, nullptr)) RaiseLastOsError();
}

size_t RemoteBuffer::ReadRemoteBuffer(const void* remote, void* local, size_t count) {
  if (!process_) return 0;
  SIZE_T read = 0;
  if (!::ReadProcessMemory(process_.get(), remote, local, count, &read)) RaiseLastOsError();
  return read;
}

void RemoteBuffer::CloseRemoteBuffer() {
  void* address = std::exchange(address_, nullptr);
  size_ = 0;
  UniqueHandle process = std::move(process_);
  if (address && !::VirtualFreeEx(process.get(), address, 0, MEM_RELEASE)) RaiseLastOsError();
}

}  // namespace teko
