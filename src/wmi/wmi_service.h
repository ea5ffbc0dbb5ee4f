#pragma once
// The management service as the pages see it: connect to the local
// computer's "root\cimv2", ask for every instance of a class, read named
// property values of each instance. The Win32 adapter walks the scripting
// objects; tests use a fake.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/os_error.h"

namespace teko {

// A property value as the service hands it over: its text by the platform's
// conversion, a null, or a failure to read or convert it.
struct WmiValue {
  enum class State { Text, Null, Failed };
  State state = State::Failed;
  std::wstring text;

  static WmiValue Of(std::wstring text) { return {State::Text, std::move(text)}; }
  static WmiValue Null() { return {State::Null, {}}; }
  static WmiValue Failed() { return {State::Failed, {}}; }
};

// One instance of a class, alive as long as the caller keeps it.
class WmiObject {
 public:
  virtual ~WmiObject() = default;
  virtual WmiValue Property(std::wstring_view name) const = 0;
};

// The instances of one query in the order the service enumerates them.
struct WmiObjectSet {
  std::vector<std::unique_ptr<WmiObject>> objects;
  // False when the walk broke off after `objects`.
  bool complete = true;
};

class WmiConnection {
 public:
  virtual ~WmiConnection() = default;
  // Every instance of `className`, all properties ("SELECT * FROM" it).
  // Throws OsError when the query cannot run (unknown class) or its result
  // cannot be walked.
  virtual WmiObjectSet Query(std::wstring_view className) = 0;
};

class WmiService {
 public:
  virtual ~WmiService() = default;
  // A new connection to the service's namespace ("root\cimv2" for the
  // pages) on the local computer. Throws OsError when there is no service
  // or no connection.
  virtual std::unique_ptr<WmiConnection> Connect() = 0;
};

}  // namespace teko
