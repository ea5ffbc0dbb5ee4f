#pragma once
// Writing a whole file so that a failure leaves the old one as it was and
// a link at its name is replaced, never written through.
#include <cstdint>
#include <string_view>

namespace teko {

// Writes `bytes` under a new temporary name beside `path`, then renames it
// over `path` through the same handle; on any failure the temporary file
// goes again and `path` is untouched. 0, or the platform error.
uint32_t ReplaceFileContents(std::wstring_view path, std::string_view bytes);

}  // namespace teko
