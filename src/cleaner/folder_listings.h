#pragma once
// The two directory readers of the deletion engine.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace teko {

// The files of `folder` that match `mask`, whatever their attributes: each
// ";"-separated pattern in turn, in enumeration order, each file once. A
// name must match by its long form: the platform also matches the 8.3 alias,
// which would let "*.tmp" take "notes.tmpl". 0 or the platform error.
uint32_t ListMatchingFiles(const FileSystem& files, std::wstring_view folder, std::wstring_view mask,
                           std::vector<DirEntry>& found);

// The names of the subfolders of `folder` the engine may enter, in
// enumeration order: no "." or "..", and no junction or symbolic link, so
// a walk never leaves the tree it was given. 0 or the platform error.
uint32_t ListSubfolders(const FileSystem& files, std::wstring_view folder, std::vector<std::wstring>& names);

}  // namespace teko
