#include "system/process_names.h"

#include "core/paths.h"
#include "core/text.h"

namespace teko {

bool NamesProcess(std::wstring_view exeFile, std::wstring_view entry) {
  return EqualsIgnoringAsciiCase(exeFile, entry) || EqualsIgnoringAsciiCase(ExtractFileName(exeFile), entry);
}

}  // namespace teko
