#include <string>

#include "app/hardware_facts.h"
#include "app/hardware_page_fillers.h"

namespace teko {

namespace {

// The number first, then the unit appended to the label's text.
void NumberThenUnit(PageSink& sink, std::wstring_view control, int64_t number, std::wstring_view unit) {
  sink.SetText(control, std::to_wstring(number));
  sink.AppendText(control, unit);
}

}  // namespace

void FillDisplayPage(InfoSources& sources, PageSink& sink) {
  TComputerInfo& info = sources.ComputerInfo;
  const ComputerInfoSeams& seams = info.seams();
  // A depth the table does not know leaves the label as it was.
  if (auto colours = ColourDepthText(seams.status.ScreenBitsPerPixel())) sink.SetText(L"LabelColor", *colours);
  TScreenInfo& screen = info.Screen();
  NumberThenUnit(sink, L"LabelSWidth", screen.Width(), L" Pixel");
  NumberThenUnit(sink, L"LabelSHeight", screen.Height(), L" Pixel");
  sink.SetText(L"LabelDpi", std::to_wstring(seams.status.ScreenPixelsPerInch()));
  NumberThenUnit(sink, L"LabelHZ", screen.Hz(), L" Hz");
  NumberThenUnit(sink, L"LabelBits", screen.BitsPerPixel(), L" Bit");
  NumberThenUnit(sink, L"LabelIHeight", info.Metrics().IconHeight(), L" Pixel");
  NumberThenUnit(sink, L"LabelIWidth", info.Metrics().IconWidth(), L" Pixel");
  sink.SetText(L"LabelIcons", info.FileInfo().IconLocation());
  sink.SetText(L"LabelSSaver", info.Misc().ScreenSaver());
  sink.SetText(L"LabelWallpaper", info.Misc().Wallpaper());
  sink.SetText(L"LabelMonitor", std::to_wstring(seams.system.SystemMetric(kMetricMonitors)));
}

}  // namespace teko
