#include "app/wmi_page_rows.h"

#include <string>

#include "core/text.h"
#include "wmi/wmi_texts.h"

namespace teko {

namespace {
constexpr std::wstring_view kProcessorClass = L"Win32_Processor";
constexpr std::wstring_view kVideoClass = L"Win32_VideoController";
}  // namespace

void FillPcTypeAndVerdict(WmiReader& wmi, PageSink& sink) {
  sink.SetText(L"LabelPType", PcTypeText(wmi.Property(L"Win32_ComputerSystem", L"PCSystemType")));
  sink.SetText(L"Label113", VmVerdictText(wmi.Property(kVideoClass, L"Description")));
}

void FillProcessorExtras(WmiReader& wmi, std::wstring_view manufacturer, wchar_t decimalSeparator, PageSink& sink) {
  bool intel = Contains(manufacturer, L"Intel");
  sink.SetVisible(L"Label106", intel);
  sink.SetVisible(L"LabelPLoad", intel);
  if (intel) sink.SetText(L"LabelPLoad", wmi.Property(kProcessorClass, L"LoadPercentage") + L" %");
  sink.SetText(L"LabelVolt", wmi.Property(kProcessorClass, L"CurrentVoltage") + L" V");
  sink.SetText(L"LabelSocket", wmi.Property(kProcessorClass, L"SocketDesignation"));
  sink.SetText(L"LabelProcID", wmi.Property(kProcessorClass, L"ProcessorId"));
  sink.SetText(L"LabelRole", wmi.Property(kProcessorClass, L"Role"));
  sink.SetText(L"LabelMaxSpeed", MaxClockText(wmi.Property(kProcessorClass, L"MaxClockSpeed"), decimalSeparator));
}

void FillVideoAdapter(WmiReader& wmi, PageSink& sink) {
  std::wstring ram = AdapterRamText(wmi.Property(kVideoClass, L"AdapterRAM"));
  std::wstring pnp = PnpBusText(wmi.Property(kVideoClass, L"PNPDeviceID"));
  sink.SetText(L"LabelGCard", wmi.Property(kVideoClass, L"Name"));
  sink.SetText(L"LabelGRam", ram);
  sink.SetText(L"LabelGRefresh", wmi.Property(kVideoClass, L"MaxRefreshRate"));
  sink.SetText(L"LabelGProc", wmi.Property(kVideoClass, L"VideoProcessor"));
  sink.SetText(L"LabelGDevice", wmi.Property(kVideoClass, L"DriverVersion"));
  sink.SetText(L"LabelPNP", pnp);
  sink.SetText(L"LabelGStatus", wmi.Property(kVideoClass, L"Status"));
}

}  // namespace teko
