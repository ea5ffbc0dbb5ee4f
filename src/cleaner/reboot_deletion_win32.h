#pragma once
#include "cleaner/reboot_deletion.h"

namespace teko {

class Win32RebootDeletionPlatform final : public RebootDeletionPlatform {
 public:
  uint32_t PlatformId() const override;
  bool ScheduleNtDeletion(std::wstring_view path) override;
  std::wstring WindowsFolder() const override;
  std::wstring ShortPathName(std::wstring_view path) const override;
  std::optional<std::vector<std::wstring>> ReadLines(std::wstring_view path) const override;
  bool WriteLines(std::wstring_view path, std::span<const std::wstring> lines) override;
};

}  // namespace teko
