#include "app/report_document.h"

#include "app/inventory_json.h"
#include "app/report_html.h"
#include "app/report_render.h"
#include "core/text.h"

namespace teko {

std::wstring ReportHeaderLine(const ReportHeader& header) {
  return L"Teko " + header.version + L" report of " + header.computerName + L", taken " + header.created;
}

namespace {

// The pages as the window shows them, the Process page last.
std::vector<PageReport> WindowPages(const ReportDocument& document) {
  std::vector<PageReport> pages = document.pages;
  if (document.processes) pages.push_back(ProcessPageReport(*document.processes));
  return pages;
}

}  // namespace

std::string RenderReport(const ReportDocument& document, ReportFormat format) {
  switch (format) {
    case ReportFormat::Text:
      return Utf8FromWide(ReportHeaderLine(document.header) + L"\n\n") + ReportText(WindowPages(document));
    case ReportFormat::Html:
      return ReportHtml(ReportHeaderLine(document.header), WindowPages(document));
    case ReportFormat::Json:
      return InventoryJson(document);
    case ReportFormat::JsonControls:
      return ReportJson(WindowPages(document));
  }
  return {};
}

}  // namespace teko
