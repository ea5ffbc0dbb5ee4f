#include <string>

#include "app/default_browser.h"
#include "app/os_page_fillers.h"

namespace teko {

void FillSystemPage(InfoSources& sources, PageSink& sink) {
  TComputerInfo& info = sources.ComputerInfo;
  TOSVersionInfo& os = info.OS();
  sink.SetText(L"LabelName", os.ProductName());
  sink.SetText(L"LabelID", os.ProductID());
  sink.SetText(L"LabelVersionM", std::to_wstring(os.VersionMajor()));
  sink.SetText(L"LabelVersionMin", std::to_wstring(os.VersionMinor()));
  sink.SetText(L"LabelBuild", std::to_wstring(os.VersionBuild()));
  sink.SetText(L"LabelPackName", os.VersionCSDString());
  sink.SetText(L"LabelSPVersion", std::to_wstring(os.ServicePackVersion()));
  sink.SetText(L"LabelIE", info.Misc().Versions().InternetExplorer());
  sink.SetText(L"LabelDirectX", info.Misc().Versions().DirectX());
  sink.SetText(L"LabelCompany", info.Identification().RegisteredCompany());
  sink.SetText(L"LabelRegUser", info.Identification().RegisteredOwner());
  sink.SetText(L"LabelDefBrowser", GetDefaultBrowser(info.seams().registry));
}

}  // namespace teko
