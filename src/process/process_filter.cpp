#include "process/process_filter.h"

#include "core/text.h"

namespace teko {

bool IsMakerProcess(std::wstring_view entry, VersionResourceSource& versions) {
  try {
    TFileVersionInfo info = OpenFileVersionInfo(versions, entry);
    return Contains(info.CompanyName(), L"Microsoft") || Contains(entry, L"System");
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace teko
