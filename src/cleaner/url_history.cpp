#include "cleaner/url_history.h"

namespace teko {

TUrlHistory::TUrlHistory(UrlHistoryStoreFactory factory) : factory_(std::move(factory)), store_(factory_()) {}

std::optional<int32_t> TUrlHistory::ClearHistory() {
  if (!store_) store_ = factory_();
  if (!store_) return std::nullopt;
  return store_->ClearHistory();
}

}  // namespace teko
