#pragma once
#include "shredder/shred_files.h"

namespace teko {

class Win32ShredFiles final : public ShredFiles {
 public:
  std::optional<ShredFileFacts> Facts(std::wstring_view path) const override;
  std::unique_ptr<ShredTarget> OpenExclusive(std::wstring_view path, uint32_t& error) override;
  std::wstring ErrorText(uint32_t code) const override;
};

}  // namespace teko
