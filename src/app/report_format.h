#pragma once
// The forms a report is written in.
#include <string_view>

namespace teko {

enum class ReportFormat {
  Text,          // for people, aligned like the window
  Html,          // one self-contained page, a table per page
  Json,          // the typed inventory (see the schema beside tekoinfo)
  JsonControls,  // control name to shown text, page by page
};

// A saved report's format: the one its file name's extension names (.txt,
// .htm, .html, .json, in any case), else `picked`.
ReportFormat ReportFormatForFile(std::wstring_view path, ReportFormat picked);

}  // namespace teko
