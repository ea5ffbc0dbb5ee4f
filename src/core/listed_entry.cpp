#include "core/listed_entry.h"

#include "core/paths.h"
#include "core/text.h"

namespace teko {

bool IsListedEntry(std::wstring_view folderFinal, std::wstring_view name, std::wstring_view entryFinal) {
  if (folderFinal.empty() || name.empty() || entryFinal.empty()) return false;
  return EqualsIgnoringAsciiCase(JoinPath(folderFinal, name), entryFinal);
}

}  // namespace teko
