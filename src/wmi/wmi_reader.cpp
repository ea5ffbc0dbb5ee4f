#include "wmi/wmi_reader.h"

namespace teko {

std::wstring LastInstanceValue(const WmiObjectSet& instances, std::wstring_view className, std::wstring_view property,
                               MemoryModuleTable* modules) {
  const bool record = modules && className == kMemoryModuleClass;
  std::wstring value;
  int index = 0;
  for (const auto& instance : instances.objects) {
    WmiValue v = instance->Property(property);
    if (v.state == WmiValue::State::Failed) return {};
    if (v.state == WmiValue::State::Null) {
      value.clear();
    } else {
      value = std::move(v.text);
      if (record) modules->Record(index, property, value);
    }
    ++index;
  }
  return instances.complete ? value : std::wstring();
}

std::wstring QueryWmiProperty(WmiService& service, std::wstring_view className, std::wstring_view property,
                              MemoryModuleTable* modules) {
  try {
    auto connection = service.Connect();
    WmiObjectSet instances = connection->Query(className);
    return LastInstanceValue(instances, className, property, modules);
  } catch (const OsError&) {
    return {};
  }
}

}  // namespace teko
