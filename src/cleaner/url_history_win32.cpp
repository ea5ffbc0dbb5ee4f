#include "cleaner/url_history_win32.h"

#include <windows.h>
#include <urlhist.h>

#include "platform/handles_win32.h"

namespace teko {

namespace {

constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

class Win32UrlHistoryStore final : public UrlHistoryStore {
 public:
  explicit Win32UrlHistoryStore(ComPtr<IUrlHistoryStg2> store) : store_(std::move(store)) {}
  int32_t ClearHistory() override { return store_->ClearHistory(); }

 private:
  ComPtr<IUrlHistoryStg2> store_;
};

}  // namespace

std::unique_ptr<UrlHistoryStore> CreateWin32UrlHistoryStore() {
  ComPtr<IUrlHistoryStg2> store;
  if (FAILED(::CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2, store.put_void())) ||
      !store) {
    return nullptr;
  }
  return std::make_unique<Win32UrlHistoryStore>(std::move(store));
}

}  // namespace teko
