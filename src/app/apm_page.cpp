#include <string>

#include "app/hardware_page_fillers.h"

namespace teko {

void FillApmPage(InfoSources& sources, PageSink& sink) {
  TAPMInfo& apm = sources.ComputerInfo.APM();
  const uint32_t percent = apm.BatteryLifePercent();
  sink.SetText(L"Labelpercent", std::to_wstring(percent) + L" %");
  sink.SetProgress(L"ProgressBar1", static_cast<int>(percent));
  // The pictures in the order of TAPMLineStatus: offline, online, unknown.
  static constexpr std::wstring_view kLinePictures[] = {L"ImageLineOff", L"ImageLineOn", L"ImageUnKnown"};
  sink.ShowOneOf(kLinePictures, apm.LineStatus());
}

}  // namespace teko
