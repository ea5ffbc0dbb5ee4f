#pragma once
// The maker filter: which entries belong to the operating system's maker.
#include <string_view>

#include "sysinfo/version_resource_source.h"

namespace teko {

// True when the entry's file, found by its bare name through the search
// order, has version information and either its CompanyName contains
// "Microsoft" or the entry contains "System" (both case-sensitive). An entry
// whose version information cannot be read is never the maker's.
bool IsMakerProcess(std::wstring_view entry, VersionResourceSource& versions);

}  // namespace teko
