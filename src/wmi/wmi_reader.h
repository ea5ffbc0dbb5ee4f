#pragma once
// How a page refresh reads WMI: one property of one class as text. The text
// is the last instance's value; a null there, no instance at all, and every
// failure give empty text, and nothing is reported. Reading the module
// class also records each module's non-null values in the module table.
#include <string>
#include <string_view>

#include "wmi/memory_modules.h"
#include "wmi/wmi_service.h"

namespace teko {

class WmiReader {
 public:
  virtual ~WmiReader() = default;
  virtual std::wstring Property(std::wstring_view className, std::wstring_view property) = 0;
};

// The class whose values go to the module table.
inline constexpr std::wstring_view kMemoryModuleClass = L"Win32_PhysicalMemory";

// One property walked over the instances of a query, in their order. A
// failure to read it, or a walk that broke off, gives empty text; the
// instances read before that stay recorded.
std::wstring LastInstanceValue(const WmiObjectSet& instances, std::wstring_view className, std::wstring_view property,
                               MemoryModuleTable* modules);

// One value with a connection and a query of its own.
std::wstring QueryWmiProperty(WmiService& service, std::wstring_view className, std::wstring_view property,
                              MemoryModuleTable* modules = nullptr);

// Every value asked with QueryWmiProperty: a new connection and a full query
// per value.
class PerValueWmiReader final : public WmiReader {
 public:
  PerValueWmiReader(WmiService& service, MemoryModuleTable* modules) : service_(service), modules_(modules) {}
  std::wstring Property(std::wstring_view className, std::wstring_view property) override {
    return QueryWmiProperty(service_, className, property, modules_);
  }

 private:
  WmiService& service_;
  MemoryModuleTable* modules_;
};

}  // namespace teko
