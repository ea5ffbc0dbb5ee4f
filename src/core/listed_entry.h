#pragma once
// Whether an opened file is the directory entry that was listed. A name
// can lead elsewhere (a symbolic link that the platform shows as a plain
// file, a hard-to-see alias), and comparing names alone misses a link that
// carries its target's name: the whole resolved paths are compared.
#include <string_view>

namespace teko {

// `entryFinal` is the resolved path of the opened entry, `folderFinal` that
// of the folder it was listed in, both in the platform's one resolved form;
// `name` is the entry's name as listed. Letters compare without case.
bool IsListedEntry(std::wstring_view folderFinal, std::wstring_view name, std::wstring_view entryFinal);

}  // namespace teko
