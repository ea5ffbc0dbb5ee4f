#pragma once
// The WMI reads of one page refresh: one connection, each class queried
// once, every value read from the instances of that one query. Nothing
// outlives the reader, so the next refresh asks the service again.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "wmi/wmi_reader.h"

namespace teko {

class PerRefreshWmiReader final : public WmiReader {
 public:
  PerRefreshWmiReader(WmiService& service, MemoryModuleTable* modules) : service_(service), modules_(modules) {}
  std::wstring Property(std::wstring_view className, std::wstring_view property) override;

 private:
  // The instances of a class, or nullptr when the class cannot be had.
  const WmiObjectSet* Instances(std::wstring_view className);

  WmiService& service_;
  MemoryModuleTable* modules_;
  std::unique_ptr<WmiConnection> connection_;
  bool connectTried_ = false;
  std::map<std::wstring, std::optional<WmiObjectSet>, std::less<>> classes_;
};

}  // namespace teko
