#include "app/version_report.h"

#include <cstdint>

#include "app/version_text.h"
#include "core/os_error.h"
#include "core/text.h"

namespace teko {

namespace {

std::wstring Escaped(std::wstring_view text) {
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'\r') {
      out += L"\\r";
    } else if (c == L'\n') {
      out += L"\\n";
    } else if (c == L'\t') {
      out += L"\\t";
    } else if (static_cast<uint32_t>(c) < 0x20) {
      out += L"\\x";
      out += kDigits[(c >> 4) & 0xF];
      out += kDigits[c & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

FileVersionReport ReportFileVersionInfo(VersionResourceSource& source, std::wstring_view file) {
  FileVersionReport report;
  report.lines.emplace_back(file);
  try {
    TFileVersionInfo info = OpenFileVersionInfo(source, file);
    const auto& fixed = info.FixedPart();
    report.lines.push_back(L"  Fixed file version: " + VersionText(fixed.fileVersionMS, fixed.fileVersionLS));
    for (const auto& entry : info.ChosenEntries()) report.lines.push_back(L"  " + Escaped(entry.Text()));
    report.hasVersionInfo = true;
  } catch (const EFileVersionInfoError& error) {
    report.lines.push_back(L"  Error: " + WideFromUtf8(error.what()));
  } catch (const OsError& error) {
    std::wstring message;
    for (const auto& line : SplitLines(WideFromUtf8(error.what()))) message += (message.empty() ? L"" : L" ") + line;
    report.lines.push_back(L"  Error: " + message);
  }
  return report;
}

}  // namespace teko
