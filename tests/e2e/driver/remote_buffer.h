#pragma once
// Memory inside the process under test, for the control messages that pass
// pointers (list views, tab items, header rectangles).
#include <windows.h>

#include <cstddef>

namespace teko::e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t size);
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer();

  void* address() const { return address_; }
  void* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
  void Write(size_t offset, const void* data, size_t size) const;
  void Read(size_t offset, void* data, size_t size) const;

 private:
  HANDLE process_;
  void* address_;
};

// The process owning a window, opened for reading and writing its memory.
HANDLE OpenWindowProcess(HWND window);

}  // namespace teko::e2e
