#pragma once
// Owners of the automation values the scripting objects trade in.
#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string>
#include <string_view>

namespace teko {

inline std::wstring BstrText(BSTR text) { return text ? std::wstring(text, ::SysStringLen(text)) : std::wstring(); }

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text) : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!value_) throw std::bad_alloc();
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { ::SysFreeString(value_); }

  BSTR get() const { return value_; }
  BSTR* put() {
    ::SysFreeString(value_);
    value_ = nullptr;
    return &value_;
  }
  std::wstring text() const { return BstrText(value_); }

 private:
  BSTR value_ = nullptr;
};

class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { ::VariantClear(&value_); }

  VARIANT& get() { return value_; }
  const VARIANT& get() const { return value_; }
  VARIANT* put() {
    ::VariantClear(&value_);
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace teko
