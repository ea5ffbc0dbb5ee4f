#include "app/report_format.h"

#include "core/paths.h"
#include "core/text.h"

namespace teko {

ReportFormat ReportFormatForFile(std::wstring_view path, ReportFormat picked) {
  std::wstring name = AsciiLower(ExtractFileName(path));
  if (EndsWith(name, L".txt")) return ReportFormat::Text;
  if (EndsWith(name, L".htm") || EndsWith(name, L".html")) return ReportFormat::Html;
  if (EndsWith(name, L".json")) return ReportFormat::Json;
  return picked;
}

}  // namespace teko
