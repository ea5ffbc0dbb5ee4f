#pragma once
// TUrlHistory: empties the system browser's URL history through the
// platform's URL history object.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace teko {

class UrlHistoryStore {
 public:
  virtual ~UrlHistoryStore() = default;
  // The store's ClearHistory; its result code.
  virtual int32_t ClearHistory() = 0;
};

// Creates the platform's URL history object; nothing when it cannot.
using UrlHistoryStoreFactory = std::function<std::unique_ptr<UrlHistoryStore>()>;

class TUrlHistory {
 public:
  // Creates the object at once, as the window loads.
  explicit TUrlHistory(UrlHistoryStoreFactory factory);

  // The store's result code; nothing when there is no object to clear,
  // which may come later: every call without one tries to create it anew.
  std::optional<int32_t> ClearHistory();

 private:
  UrlHistoryStoreFactory factory_;
  std::unique_ptr<UrlHistoryStore> store_;
};

}  // namespace teko
