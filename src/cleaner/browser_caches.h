#pragma once
// The caches of today's browsers. Chromium-family browsers and Firefox keep
// one folder per profile below the local application data folder, and
// their caches in named folders inside it: one rule per cache folder of
// every profile, and nothing else of a profile is named.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace teko {

// Appends a "/u" rule for each cache folder found below `localAppData`.
// Only real folders are taken: a profile or a cache that is a link names a
// folder elsewhere.
void AppendBrowserCacheRules(const FileSystem& files, std::wstring_view localAppData, std::vector<std::wstring>& rules);

}  // namespace teko
