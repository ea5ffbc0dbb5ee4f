#pragma once
// Move-only owners of platform resources, named after what closes them.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace teko {

template <typename T, typename Closer, T kInvalid>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T value) : value_(value) {}
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, kInvalid)) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, kInvalid));
    return *this;
  }
  ~UniqueResource() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return valid(); }
  bool valid() const { return value_ != kInvalid; }
  T release() { return std::exchange(value_, kInvalid); }
  void reset(T value = kInvalid) {
    if (valid()) Closer{}(value_);
    value_ = value;
  }
  // For out-parameters of platform calls.
  T* put() {
    reset();
    return &value_;
  }

 private:
  T value_ = kInvalid;
};

struct CloseHandleCloser {
  void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct FindCloseCloser {
  void operator()(HANDLE h) const { ::FindClose(h); }
};
struct RegCloseKeyCloser {
  void operator()(HKEY k) const { ::RegCloseKey(k); }
};
struct FreeLibraryCloser {
  void operator()(HMODULE m) const { ::FreeLibrary(m); }
};
struct DeleteObjectCloser {
  void operator()(HGDIOBJ o) const { ::DeleteObject(o); }
};
struct DeleteDcCloser {
  void operator()(HDC dc) const { ::DeleteDC(dc); }
};

// Handles whose failure value is null (process, token, thread, mapping...).
using UniqueHandle = UniqueResource<HANDLE, CloseHandleCloser, nullptr>;
// Handles whose failure value is INVALID_HANDLE_VALUE (files, snapshots).
class FileHandle : public UniqueResource<HANDLE, CloseHandleCloser, nullptr> {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE h) : UniqueResource(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};
class FindHandle : public UniqueResource<HANDLE, FindCloseCloser, nullptr> {
 public:
  FindHandle() = default;
  explicit FindHandle(HANDLE h) : UniqueResource(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
};
using RegKey = UniqueResource<HKEY, RegCloseKeyCloser, nullptr>;
using Library = UniqueResource<HMODULE, FreeLibraryCloser, nullptr>;
using GdiObject = UniqueResource<HGDIOBJ, DeleteObjectCloser, nullptr>;
using MemoryDc = UniqueResource<HDC, DeleteDcCloser, nullptr>;

// A window's device context, released to its window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// An owning COM interface pointer.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  T* p_ = nullptr;
};

// Joins the calling thread to a COM apartment for the object's lifetime.
class ComApartment {
 public:
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED) : result_(::CoInitializeEx(nullptr, model)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  bool ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

}  // namespace teko
