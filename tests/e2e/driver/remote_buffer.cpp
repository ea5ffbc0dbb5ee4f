#include "driver/remote_buffer.h"

#include <stdexcept>

namespace teko::e2e {

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process), address_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
  if (!address_) throw std::runtime_error("no memory in the process under test");
}

RemoteBuffer::~RemoteBuffer() { ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

void RemoteBuffer::Write(size_t offset, const void* data, size_t size) const {
  if (!::WriteProcessMemory(process_, at(offset), data, size, nullptr)) {
    throw std::runtime_error("cannot write the process under test");
  }
}

void RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
  if (!::ReadProcessMemory(process_, at(offset), data, size, nullptr)) {
    throw std::runtime_error("cannot read the process under test");
  }
}

HANDLE OpenWindowProcess(HWND window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  return ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE,
                       id);
}

}  // namespace teko::e2e
