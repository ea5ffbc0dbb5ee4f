#include <string>

#include "app/hardware_page_fillers.h"
#include "core/number_format.h"

namespace teko {

namespace {

// "16 (8P + 8E)" for a hybrid processor whose split is known, else the count.
std::wstring CoreText(uint8_t cores, CoreSplit split) {
  std::wstring text = std::to_wstring(cores);
  if (split.performance > 0 && split.efficient > 0) {
    text += L" (" + std::to_wstring(split.performance) + L"P + " + std::to_wstring(split.efficient) + L"E)";
  }
  return text;
}

}  // namespace

// Fourteen reads, each a complete identification with its clock measurement.
std::wstring FillProcessorValues(InfoSources& sources, PageSink& sink) {
  TCPUInfo& cpu = sources.ComputerInfo.CPU();
  sink.SetText(L"LabelCPU", cpu.Name());
  const std::wstring manufacturer = cpu.Manufacturer();
  sink.SetText(L"LabelModel", manufacturer);
  const uint8_t cores = cpu.PhysicalCore();
  sink.SetText(L"LabelCore", CoreText(cores, cpu.PhysicalCoreSplit()));
  sink.SetText(L"LabelGHZ", FormatFixed(static_cast<double>(cpu.NormFreq()) / 1000.0, 2, sources.DecimalSeparator) +
                                L" GHZ");
  sink.SetText(L"LabelCCache", std::to_wstring(cpu.L1CodeCache()));
  sink.SetText(L"LabelDCache", std::to_wstring(cpu.L1DataCache()));
  sink.SetText(L"LabelL2", std::to_wstring(cpu.L2Cache()));
  sink.SetText(L"LabelL3", std::to_wstring(cpu.L3Cache()));
  sink.ShowYesNo(L"Image64bit1", L"Image64Bit0", cpu.Is64Bits());
  sink.ShowYesNo(L"ImageHyper1", L"ImageHyper0", cpu.HyperThreadingTechnology());
  sink.ShowYesNo(L"ImageMMX1", L"ImageMMX0", cpu.MMX());
  sink.ShowYesNo(L"ImageNow1", L"ImageNow0", cpu.Ex3DNow());
  sink.SetText(L"LabelVendor", cpu.VendorIDString());
  return manufacturer;
}

}  // namespace teko
