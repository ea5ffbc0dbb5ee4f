#include "app/os_page_fillers.h"

namespace teko {

void FillNetworkPage(InfoSources& sources, PageSink& sink) {
  TIdentification& identification = sources.ComputerInfo.Identification();
  sink.SetText(L"LabelDomain", identification.DomainName());
  sink.SetText(L"LabelIP", identification.IPAddress());
  sink.SetText(L"LabelCName", identification.LocalComputerName());
  sink.SetText(L"LabelWorkgroup", identification.LocalWorkgroup());
  sink.SetText(L"LabelUser", identification.LocalUserName());
  sink.ShowYesNo(L"ImageOnline", L"ImageOffline", IsOnline(sources.Online));
}

}  // namespace teko
