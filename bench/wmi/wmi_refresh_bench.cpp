// Times one refresh of each page's WMI values both ways: every value with a
// locator, connection and query of its own, and one connection per refresh
// with one query per class. Runs alternate so both see the same machine.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/bios_page.h"
#include "app/mainboard_page.h"
#include "app/wmi_page_rows.h"
#include "platform/handles_win32.h"
#include "wmi/wmi_reader.h"
#include "wmi/wmi_refresh_reader.h"
#include "wmi/wmi_service_win32.h"

namespace teko {
namespace {

using Fill = std::function<void(WmiReader&, MemoryModuleTable&, PageSink&)>;

// Counts what a refresh asks of the service.
class CountingService final : public WmiService {
 public:
  explicit CountingService(WmiService& inner) : inner_(inner) {}
  std::unique_ptr<WmiConnection> Connect() override {
    ++connections;
    return std::make_unique<Connection>(inner_.Connect(), queries);
  }
  void Reset() { connections = queries = 0; }
  int connections = 0;
  int queries = 0;

 private:
  class Connection final : public WmiConnection {
   public:
    Connection(std::unique_ptr<WmiConnection> inner, int& queries) : inner_(std::move(inner)), queries_(queries) {}
    WmiObjectSet Query(std::wstring_view className) override {
      ++queries_;
      return inner_->Query(className);
    }

   private:
    std::unique_ptr<WmiConnection> inner_;
    int& queries_;
  };
  WmiService& inner_;
};

struct Page {
  const char* name;
  Fill fill;
};

double MillisecondsOf(const std::function<void()>& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Run(int rounds) {
  ComApartment apartment;
  if (!apartment.ok()) return 1;
  auto scripting = MakeScriptingWmiService();
  CountingService wmi(*scripting);
  MemoryModuleTable modules;
  // The first connection of a process loads the service's libraries.
  QueryWmiProperty(wmi, L"Win32_BIOS", L"Manufacturer");

  const Page pages[] = {
      {"Bios", [](WmiReader& r, MemoryModuleTable&, PageSink& s) { FillBiosPage(r, s); }},
      {"MainBoard", [](WmiReader& r, MemoryModuleTable& m, PageSink& s) { FillMainBoardPage(r, m, s); }},
      {"System (PC type, VM)", [](WmiReader& r, MemoryModuleTable&, PageSink& s) { FillPcTypeAndVerdict(r, s); }},
      {"CPU (as for Intel)",
       [](WmiReader& r, MemoryModuleTable&, PageSink& s) { FillProcessorExtras(r, L"GenuineIntel", L'.', s); }},
      {"Display (adapter)", [](WmiReader& r, MemoryModuleTable&, PageSink& s) { FillVideoAdapter(r, s); }},
  };

  std::printf("One refresh of each page's WMI values under Wine, median of %d rounds (ms)\n", rounds);
  std::printf("%-22s %22s %22s %7s\n", "", "query per value", "query per class", "");
  std::printf("%-22s %10s %11s %10s %11s %7s\n", "page", "ms", "conn/query", "ms", "conn/query", "ratio");
  for (const Page& page : pages) {
    std::vector<double> perValue;
    std::vector<double> perRefresh;
    char before[16] = "";
    char after[16] = "";
    for (int round = 0; round < rounds; ++round) {
      RecordingSink sink;
      wmi.Reset();
      perValue.push_back(MillisecondsOf([&] {
        PerValueWmiReader reader(wmi, &modules);
        page.fill(reader, modules, sink);
      }));
      std::snprintf(before, sizeof before, "%d/%d", wmi.connections, wmi.queries);
      wmi.Reset();
      perRefresh.push_back(MillisecondsOf([&] {
        PerRefreshWmiReader reader(wmi, &modules);
        page.fill(reader, modules, sink);
      }));
      std::snprintf(after, sizeof after, "%d/%d", wmi.connections, wmi.queries);
    }
    double slow = Median(perValue);
    double fast = Median(perRefresh);
    std::printf("%-22s %10.1f %11s %10.1f %11s %6.1fx\n", page.name, slow, before, fast, after,
                fast > 0 ? slow / fast : 0.0);
  }
  return 0;
}

}  // namespace
}  // namespace teko

int wmain(int argc, wchar_t** argv) {
  int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
  return teko::Run(rounds);
}
