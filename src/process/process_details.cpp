#include "process/process_details.h"

#include "core/os_error.h"
#include "system/process_names.h"

namespace teko {

std::optional<uint32_t> FindProcessIdByName(ProcessSnapshot& snapshot, std::wstring_view entry) {
  std::vector<ProcessRecord> records;
  try {
    records = snapshot.Take();
  } catch (const OsError&) {
    return std::nullopt;
  }
  std::optional<uint32_t> id;
  for (const auto& record : records) {
    if (NamesProcess(record.exeFile, entry)) id = record.id;
  }
  return id;
}

std::vector<std::wstring> ShowProcessDetails(std::wstring_view entry, ProcessSnapshot& snapshot, ProcessAccess& access,
                                             VersionResourceSource& versions) {
  auto id = FindProcessIdByName(snapshot, entry);
  std::wstring path = id ? access.ImagePath(*id) : std::wstring();
  std::wstring pathText = path.empty() ? L"No path information received" : path;

  std::vector<std::wstring> lines;
  try {
    TFileVersionInfo info = OpenFileVersionInfo(versions, entry);
    lines = {
        L"Productname:        " + info.ProductName(),
        L"Productversion:     " + info.ProductVersion(),
        L"Companyname:     " + info.CompanyName(),
        L"Description:           " + info.FileDescription(),
        L"Copyright:             " + info.LegalCopyright(),
        L"Trademark:            " + info.LegalTradeMarks(),
        L"Original Filename:  " + info.OriginalFilename(),
        L" ",
    };
  } catch (const EFileVersionInfoError&) {
    lines.push_back(L"No process info available.");
  } catch (const OsError&) {
    lines.push_back(L"No process info available.");
  }
  lines.push_back(L"Path: " + pathText);
  return lines;
}

}  // namespace teko
