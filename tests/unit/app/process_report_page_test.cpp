#include "app/process_report_page.h"

#include <gtest/gtest.h>

#include "support/fake_processes.h"

namespace teko {
namespace {

TEST(ProcessReportPage, OneAlignedLinePerProcessSortedAsTheListShowsThem) {
  testing::FakeProcessSnapshot snapshot;
  testing::FakeProcessAccess access{snapshot};
  snapshot.records = {{4, L"System"}, {1200, L"svchost.exe"}, {88, L"Explorer.EXE"}, {1201, L"svchost.exe"}};
  access.paths = {{88, L"C:\\Windows\\explorer.exe"}, {1201, L"C:\\Windows\\System32\\svchost.exe"}};
  PageReport report = ProcessPageReport(ReadProcessList(snapshot, access));
  EXPECT_EQ(report.page, L"Process");
  EXPECT_EQ(report.error, L"");
  ASSERT_EQ(report.entries.size(), 1u);
  EXPECT_EQ(report.entries[0].control, L"ListBox1");
  EXPECT_EQ(report.entries[0].lines, (std::vector<std::wstring>{
                                         L"Explorer.EXE    88  C:\\Windows\\explorer.exe",
                                         L"svchost.exe   1200",
                                         L"svchost.exe   1201  C:\\Windows\\System32\\svchost.exe",
                                         L"System           4",
                                     }));
}

TEST(ProcessReportPage, AnUnreadableSnapshotEndsThePageWithItsError) {
  testing::FakeProcessSnapshot snapshot;
  testing::FakeProcessAccess access{snapshot};
  snapshot.fail = true;
  PageReport report = ProcessPageReport(ReadProcessList(snapshot, access));
  EXPECT_TRUE(report.entries.empty());
  EXPECT_EQ(report.error, L"no more files");
}

}  // namespace
}  // namespace teko
