#include <gtest/gtest.h>

#include "app/hardware_page_fillers.h"
#include "app/main_pages.h"
#include "app/online_check_win32.h"
#include "sysinfo/win32_seams.h"

namespace teko {
namespace {

// Every control the fillers write on this machine is a row of its page's layout.
TEST(Win32HardwarePages, FillersWriteOnlyTheirPagesControls) {
  Win32OnlineCheck online;
  InfoSources sources{Win32ComputerInfoSeams(), online};
  struct Page {
    int index;
    void (*fill)(InfoSources&, PageSink&);
    size_t controls;
  };
  for (auto [index, fill, controls] : {Page{kPageCpu, FillCpuPage, 17}, Page{kPageMemory, FillMemoryPage, 19},
                                       Page{kPageDisplay, FillDisplayPage, 12}, Page{kPageApm, FillApmPage, 5}}) {
    RecordingSink sink;
    fill(sources, sink);
    EXPECT_EQ(sink.states().size(), controls) << index;
    auto layout = MainPages()[static_cast<size_t>(index)].layout();
    for (const auto& state : sink.states()) {
      EXPECT_GE(ui::ControlIdOf(layout, state.control, 0), 0) << ::testing::PrintToString(state.control);
    }
  }
}

}  // namespace
}  // namespace teko
