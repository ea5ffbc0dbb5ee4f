#pragma once
// A management service held in memory: classes with instances of named
// values, failures on request, and counts of what was asked.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "wmi/wmi_service.h"

namespace teko::testing {

class FakeWmiService final : public WmiService {
 public:
  // Properties an instance does not name fail to read, as unknown ones do.
  using Instance = std::vector<std::pair<std::wstring, WmiValue>>;

  FakeWmiService& Add(const std::wstring& className, Instance instance);
  // A class without instances.
  FakeWmiService& AddClass(const std::wstring& className);
  // Every walk of the class breaks off after `count` instances.
  void BreakWalkAfter(const std::wstring& className, size_t count) { breaks_[className] = count; }
  void FailConnections(bool fail) { failConnections_ = fail; }

  std::unique_ptr<WmiConnection> Connect() override;

  int connections() const { return connections_; }
  int queries(const std::wstring& className) const;
  int queries() const;
  // Connections and instances handed out and not yet released.
  int alive() const { return *alive_; }

 private:
  friend class FakeWmiConnection;
  std::map<std::wstring, std::vector<Instance>, std::less<>> classes_;
  std::map<std::wstring, size_t, std::less<>> breaks_;
  std::map<std::wstring, int, std::less<>> queries_;
  bool failConnections_ = false;
  int connections_ = 0;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

inline WmiValue Text(std::wstring text) { return WmiValue::Of(std::move(text)); }

}  // namespace teko::testing
