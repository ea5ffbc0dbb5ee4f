#include <string>

#include "app/hardware_facts.h"
#include "app/hardware_page_fillers.h"
#include "core/number_format.h"

namespace teko {

namespace {

constexpr double kMegabyte = 1048576.0;

// A whole percentage, halves to the even neighbour; 0 of nothing rather
// than a division by zero.
int PercentOf(double part, double whole) {
  return whole == 0 ? 0 : static_cast<int>(RoundHalfEven(part / whole * 100.0));
}

std::wstring Megabytes(double megabytes, wchar_t separator) { return FormatFixed(megabytes, 0, separator) + L" MB"; }
std::wstring Percent(int64_t value) { return std::to_wstring(value) + L" %"; }

}  // namespace

void FillMemoryPage(InfoSources& sources, PageSink& sink) {
  TComputerInfo& info = sources.ComputerInfo;
  const ComputerInfoSeams& seams = info.seams();
  const wchar_t separator = sources.DecimalSeparator;
  TMemInfo& memory = info.Memory();
  const MemoryStatusRecord status = seams.status.MemoryStatusEx().value_or(MemoryStatusRecord{});

  const uint64_t totalBytes = GetTotalPhysicalMemory(seams.system, seams.status);
  const uint64_t totalMB = totalBytes / 1048576;
  sink.SetText(L"LabelTotalPhysMem", Megabytes(static_cast<double>(totalMB), separator));
  sink.SetQuantity(L"LabelTotalPhysMem", totalBytes);
  const uint64_t freeBytes = memory.FreePhysicalMemory();
  const double freeMB = static_cast<double>(freeBytes) / kMegabyte;
  sink.SetText(L"LabelFreePhys", Megabytes(freeMB, separator));
  sink.SetQuantity(L"LabelFreePhys", freeBytes);
  const int freePercent = PercentOf(freeMB, static_cast<double>(totalMB));
  sink.SetText(L"LabelPhys2", Percent(freePercent));
  sink.SetProgress(L"ProgressBarFreeMem", freePercent);
  const uint32_t load = memory.MemoryLoad();
  sink.SetText(L"LabelMemLoad", Percent(load));
  sink.SetText(L"LabelMem2", Megabytes(static_cast<double>(totalMB) - freeMB, separator));
  sink.SetQuantity(L"LabelMem2", totalBytes > freeBytes ? totalBytes - freeBytes : 0);
  sink.SetProgress(L"ProgressBarLoad", static_cast<int>(load));

  const uint64_t totalVirtual = status.totalVirtual >> 20;
  const uint64_t freeVirtual = status.availVirtual >> 20;
  sink.SetText(L"LabelTotalVMem", std::to_wstring(totalVirtual) + L" MB");
  sink.SetQuantity(L"LabelTotalVMem", status.totalVirtual);
  sink.SetText(L"LabelFreeVMem", std::to_wstring(freeVirtual) + L" MB");
  sink.SetQuantity(L"LabelFreeVMem", status.availVirtual);
  const int virtualPercent = PercentOf(static_cast<double>(freeVirtual), static_cast<double>(totalVirtual));
  sink.SetProgress(L"ProgressBarVMem", virtualPercent);
  sink.SetText(L"LabelVPercent", Percent(virtualPercent));

  const uint64_t totalPageBytes = memory.TotalPageFileMemory();
  const double totalPageMB = static_cast<double>(totalPageBytes) / kMegabyte;
  sink.SetText(L"LabelTotalPMem", Megabytes(totalPageMB, separator));
  sink.SetQuantity(L"LabelTotalPMem", totalPageBytes);
  const uint64_t freePageBytes = memory.FreePageFileMemory();
  const double freePageMB = static_cast<double>(freePageBytes) / kMegabyte;
  sink.SetText(L"LabelFreePageMem", Megabytes(freePageMB, separator));
  sink.SetQuantity(L"LabelFreePageMem", freePageBytes);
  const int pagePercent = PercentOf(freePageMB, totalPageMB);
  sink.SetProgress(L"ProgressBarPMem", pagePercent);
  sink.SetText(L"LabelPPercent", Percent(pagePercent));

  sink.SetText(L"LabelSwapSize", std::to_wstring(memory.SwapFileSize()));
  const uint32_t swapUsage = memory.SwapFileUsage();
  sink.SetText(L"LabelSwapUse", Percent(swapUsage));
  sink.SetText(L"LabelSwap2", Percent(swapUsage));
  sink.SetProgress(L"ProgressBarSwap", static_cast<int>(swapUsage));
}

}  // namespace teko
