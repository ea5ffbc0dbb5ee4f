#include "support/fake_wmi_service.h"

namespace teko::testing {

namespace {

// Counts itself among the fake's live objects.
class Alive {
 public:
  explicit Alive(std::shared_ptr<int> count) : count_(std::move(count)) { ++*count_; }
  Alive(const Alive&) = delete;
  Alive& operator=(const Alive&) = delete;
  ~Alive() { --*count_; }

 private:
  std::shared_ptr<int> count_;
};

class FakeWmiObject final : public WmiObject {
 public:
  FakeWmiObject(FakeWmiService::Instance values, std::shared_ptr<int> alive)
      : values_(std::move(values)), alive_(std::move(alive)) {}
  WmiValue Property(std::wstring_view name) const override {
    for (const auto& [property, value] : values_) {
      if (property == name) return value;
    }
    return WmiValue::Failed();
  }

 private:
  FakeWmiService::Instance values_;
  Alive alive_;
};

}  // namespace

class FakeWmiConnection final : public WmiConnection {
 public:
  explicit FakeWmiConnection(FakeWmiService& service) : service_(service), alive_(service.alive_) {}
  WmiObjectSet Query(std::wstring_view className) override {
    ++service_.queries_[std::wstring(className)];
    auto found = service_.classes_.find(className);
    if (found == service_.classes_.end()) throw OsError(0x80041010, "invalid class");
    WmiObjectSet result;
    auto broken = service_.breaks_.find(className);
    size_t count = found->second.size();
    if (broken != service_.breaks_.end() && broken->second < count) {
      count = broken->second;
      result.complete = false;
    }
    for (size_t i = 0; i < count; ++i) {
      result.objects.push_back(std::make_unique<FakeWmiObject>(found->second[i], service_.alive_));
    }
    return result;
  }

 private:
  FakeWmiService& service_;
  Alive alive_;
};

FakeWmiService& FakeWmiService::Add(const std::wstring& className, Instance instance) {
  classes_[className].push_back(std::move(instance));
  return *this;
}

FakeWmiService& FakeWmiService::AddClass(const std::wstring& className) {
  classes_[className];
  return *this;
}

std::unique_ptr<WmiConnection> FakeWmiService::Connect() {
  if (failConnections_) throw OsError(0x800706BA, "service unavailable");
  ++connections_;
  return std::make_unique<FakeWmiConnection>(*this);
}

int FakeWmiService::queries(const std::wstring& className) const {
  auto found = queries_.find(className);
  return found == queries_.end() ? 0 : found->second;
}

int FakeWmiService::queries() const {
  int total = 0;
  for (const auto& [name, count] : queries_) total += count;
  return total;
}

}  // namespace teko::testing
