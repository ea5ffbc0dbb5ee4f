#include "app/report_html.h"

#include "app/report_render.h"
#include "core/text.h"

namespace teko {

namespace {

std::wstring Escaped(std::wstring_view text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    switch (c) {
      case L'&':
        escaped += L"&amp;";
        break;
      case L'<':
        escaped += L"&lt;";
        break;
      case L'>':
        escaped += L"&gt;";
        break;
      case L'"':
        escaped += L"&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

constexpr std::wstring_view kStyle =
    L"body{font-family:Tahoma,Verdana,sans-serif;font-size:14px;margin:2em;color:#222}"
    L"h1{font-size:20px;color:#006666}h2{font-size:16px;margin:1.5em 0 .4em;color:#006666}"
    L"table{border-collapse:collapse;width:100%;max-width:60em}"
    L"th,td{text-align:left;vertical-align:top;padding:3px 10px;border-bottom:1px solid #ddd}"
    L"th{font-weight:normal;color:#555;white-space:nowrap;width:14em}"
    L"td{white-space:pre-wrap;font-family:Consolas,monospace}.error{color:#a00}";

}  // namespace

std::string ReportHtml(std::wstring_view title, std::span<const PageReport> reports) {
  std::wstring html = L"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      Escaped(title) + L"</title>\n<style>" + std::wstring(kStyle) + L"</style>\n</head>\n<body>\n<h1>" +
                      Escaped(title) + L"</h1>\n";
  for (const PageReport& report : reports) {
    html += L"<h2>" + Escaped(report.page) + L"</h2>\n<table>\n";
    for (const CaptionRow& row : CaptionRows(report)) {
      std::wstring value = Escaped(row.value);
      for (const auto& line : row.moreLines) value += L"\n" + Escaped(line);
      html += L"<tr><th>" + Escaped(row.caption) + L"</th><td>" + value + L"</td></tr>\n";
    }
    html += L"</table>\n";
    if (!report.error.empty()) html += L"<p class=\"error\">Stopped: " + Escaped(report.error) + L"</p>\n";
  }
  return Utf8FromWide(html + L"</body>\n</html>\n");
}

}  // namespace teko
