#pragma once
#include <string_view>

namespace teko {

// Whether a snapshot's executable name names the entry: the whole name or
// its file-name part, equal but for the case of the ASCII letters.
bool NamesProcess(std::wstring_view exeFile, std::wstring_view entry);

}  // namespace teko
