#pragma once
// Memory inside another process, for messages whose answer the other
// process writes to an address of its own.
#include <windows.h>

#include <cstddef>

#include "platform/handles_win32.h"

namespace teko {

class RemoteBuffer {
 public:
  RemoteBuffer() = default;
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  // Frees what is still open, quietly.
  ~RemoteBuffer();

  // Opens the process and commits `size` bytes in it. Raises the platform
  // error when either fails.
  void OpenRemoteBuffer(DWORD processId, size_t size);
  // Both raise the platform error on failure and do nothing while no
  // process is open.
  void WriteRemoteBuffer(const void* local, void* remote, size_t count);
  size_t ReadRemoteBuffer(const void* remote, void* local, size_t count);
  // Frees the memory (raising when that fails) and closes the process.
  void CloseRemoteBuffer();

  void* address() const { return address_; }
  size_t size() const { return size_; }

 private:
  UniqueHandle process_;
  void* address_ = nullptr;
  size_t size_ = 0;
};

}  // namespace teko
