#include "sysinfo/version_resource_source.h"

namespace teko {

TFileVersionInfo OpenFileVersionInfo(VersionResourceSource& source, std::wstring_view fileName) {
  auto raw = source.Read(fileName);
  if (raw.empty()) throw EFileVersionInfoError();
  return TFileVersionInfo(std::move(raw));
}

}  // namespace teko
