#include "wmi/wmi_refresh_reader.h"

namespace teko {

const WmiObjectSet* PerRefreshWmiReader::Instances(std::wstring_view className) {
  auto known = classes_.find(className);
  if (known != classes_.end()) return known->second ? &*known->second : nullptr;

  std::optional<WmiObjectSet> instances;
  try {
    if (!connectTried_) {
      connectTried_ = true;
      connection_ = service_.Connect();
    }
    if (connection_) instances = connection_->Query(className);
  } catch (const OsError&) {
    instances.reset();
  }
  auto& entry = classes_.emplace(std::wstring(className), std::move(instances)).first->second;
  return entry ? &*entry : nullptr;
}

std::wstring PerRefreshWmiReader::Property(std::wstring_view className, std::wstring_view property) {
  const WmiObjectSet* instances = Instances(className);
  return instances ? LastInstanceValue(*instances, className, property, modules_) : std::wstring();
}

}  // namespace teko
