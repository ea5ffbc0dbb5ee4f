#include "wmi/wmi_reader.h"

#include <gtest/gtest.h>

#include "support/fake_wmi_service.h"
#include "wmi/wmi_refresh_reader.h"

namespace teko {
namespace {

using testing::FakeWmiService;
using testing::Text;

class WmiReaders : public ::testing::Test {
 protected:
  WmiReaders() {
    wmi.Add(L"Win32_VideoController", {{L"Name", Text(L"First")}, {L"Status", Text(L"OK")}})
        .Add(L"Win32_VideoController", {{L"Name", Text(L"Second")}, {L"Status", WmiValue::Null()}})
        .Add(L"Win32_PhysicalMemory", {{L"BankLabel", Text(L"BANK 0")}, {L"Speed", WmiValue::Null()}})
        .Add(L"Win32_PhysicalMemory", {{L"BankLabel", Text(L"BANK 1")}, {L"Speed", Text(L"1333")}})
        .AddClass(L"Win32_MotherboardDevice");
  }
  FakeWmiService wmi;
  MemoryModuleTable modules;
};

TEST_F(WmiReaders, TheLastInstanceCountsAndItsNullIsEmpty) {
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_VideoController", L"Name"), L"Second");
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_VideoController", L"Status"), L"");
}

TEST_F(WmiReaders, EveryFailureIsEmptyText) {
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_VideoController", L"NoSuchProperty"), L"");
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_NoSuchClass", L"Name"), L"");
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_MotherboardDevice", L"Status"), L"");
  wmi.BreakWalkAfter(L"Win32_VideoController", 1);
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_VideoController", L"Name"), L"");
  wmi.FailConnections(true);
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_PhysicalMemory", L"BankLabel"), L"");
}

TEST_F(WmiReaders, ModuleValuesAreRecordedByPositionNullsAndOtherClassesNot) {
  QueryWmiProperty(wmi, L"Win32_PhysicalMemory", L"Speed", &modules);
  QueryWmiProperty(wmi, L"Win32_VideoController", L"Name", &modules);
  wmi.BreakWalkAfter(L"Win32_PhysicalMemory", 1);
  // What was recorded before the walk broke off stays.
  EXPECT_EQ(QueryWmiProperty(wmi, L"Win32_PhysicalMemory", L"BankLabel", &modules), L"");
  EXPECT_EQ(modules.Slot(0).bankLabel, L"BANK 0");
  EXPECT_EQ(modules.Slot(0).speed, L"");
  EXPECT_EQ(modules.Slot(1).bankLabel, L"");
  EXPECT_EQ(modules.Slot(1).speed, L"1333 MHz");
}

TEST_F(WmiReaders, PerValueConnectsAndQueriesForEveryValue) {
  PerValueWmiReader reader(wmi, &modules);
  reader.Property(L"Win32_VideoController", L"Name");
  reader.Property(L"Win32_VideoController", L"Status");
  EXPECT_EQ(wmi.connections(), 2);
  EXPECT_EQ(wmi.queries(L"Win32_VideoController"), 2);
  EXPECT_EQ(wmi.alive(), 0);
}

TEST_F(WmiReaders, PerRefreshConnectsOnceQueriesEachClassOnceAndKeepsNothing) {
  {
    PerRefreshWmiReader refresh(wmi, &modules);
    EXPECT_EQ(refresh.Property(L"Win32_VideoController", L"Name"), L"Second");
    EXPECT_EQ(refresh.Property(L"Win32_VideoController", L"Status"), L"");
    EXPECT_EQ(refresh.Property(L"Win32_NoSuchClass", L"Name"), L"");
    EXPECT_EQ(refresh.Property(L"Win32_NoSuchClass", L"Status"), L"");
    refresh.Property(L"Win32_PhysicalMemory", L"BankLabel");
  }
  EXPECT_EQ(wmi.connections(), 1);
  EXPECT_EQ(wmi.queries(L"Win32_VideoController"), 1);
  EXPECT_EQ(wmi.queries(L"Win32_NoSuchClass"), 1);
  EXPECT_EQ(modules.Slot(1).bankLabel, L"BANK 1");
  EXPECT_EQ(wmi.alive(), 0);

  PerRefreshWmiReader next(wmi, &modules);
  next.Property(L"Win32_VideoController", L"Name");
  EXPECT_EQ(wmi.connections(), 2);
  EXPECT_EQ(wmi.queries(L"Win32_VideoController"), 2);
}

}  // namespace
}  // namespace teko
