#include "app/inventory_json.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace teko {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string ValueOf(std::wstring_view text, FieldKind kind, std::optional<uint64_t> quantity = {}, bool amd = false) {
  ReportEntry entry{L"Label", L"Caption:", ReportEntry::Kind::Text, std::wstring(text)};
  entry.quantity = quantity;
  return InventoryValue(entry, {L"Label", "key", kind}, amd);
}

TEST(InventoryValue, NumbersWhereTheTextHoldsOneAndTheShownTextElsewhere) {
  EXPECT_EQ(ValueOf(L"2600 MHz", FieldKind::Integer), "2600");
  EXPECT_EQ(ValueOf(L"16 (8P + 8E)", FieldKind::Integer), "16");
  EXPECT_EQ(ValueOf(L"007", FieldKind::Integer), "7");
  EXPECT_EQ(ValueOf(L"2,45 GHZ", FieldKind::Decimal), "2.45");
  EXPECT_EQ(ValueOf(L"0.90 V", FieldKind::Decimal), "0.90");
  EXPECT_EQ(ValueOf(L"4.09.00.0904", FieldKind::Integer), "\"4.09.00.0904\"");
  EXPECT_EQ(ValueOf(L"Unknown", FieldKind::Integer), "\"Unknown\"");
  EXPECT_EQ(ValueOf(L" V", FieldKind::Decimal), "\" V\"");
  EXPECT_EQ(ValueOf(L"", FieldKind::Integer), "\"\"");
}

TEST(InventoryValue, ByteCountsAreExactWhereThePageKnewThemAndScaledOtherwise) {
  EXPECT_EQ(ValueOf(L"24105 MB", FieldKind::Bytes, 25275990016ull), "25275990016");
  EXPECT_EQ(ValueOf(L"512 MB", FieldKind::Bytes), "536870912");
  EXPECT_EQ(ValueOf(L"99999999999999 MB", FieldKind::Bytes), "\"99999999999999 MB\"");
  // The page shows the AMD level-3 size in whole MB.
  EXPECT_EQ(ValueOf(L"32", FieldKind::L3Cache, {}, true), "32768");
  EXPECT_EQ(ValueOf(L"12288", FieldKind::L3Cache, {}, false), "12288");
}

TEST(InventoryValue, DatesBecomeIsoAndOtherTextsStayAsShown) {
  EXPECT_EQ(ValueOf(L"08.06.2012", FieldKind::Date), "\"2012-06-08\"");
  EXPECT_EQ(ValueOf(L"..", FieldKind::Date), "\"..\"");
  EXPECT_EQ(ValueOf(L"C:\\Temp \"x\"", FieldKind::Text), "\"C:\\\\Temp \\\"x\\\"\"");
}

TEST(InventoryJson, PagesUnderTheirKeysModulesAndProcessesAsArraysAndErrorsNamed) {
  ReportDocument document;
  document.header = {L"1.2.3.4", L"2026-12-10T12:00:00Z", L"PC"};
  PageReport apm{L"APM"};
  apm.entries.push_back({L"Labelpercent", L"Life percent:", ReportEntry::Kind::Text, L"80 %"});
  apm.entries.push_back({L"ImageLineOff", L"ImageLineOff", ReportEntry::Kind::Picture, L"", false});
  apm.entries.push_back({L"ImageLineOn", L"ImageLineOn", ReportEntry::Kind::Picture, L"", true});
  PageReport board{L"MainBoard"};
  board.error = L"WMI failed";
  PageReport bank{L"MainBoard / BANK 0"};
  bank.entries.push_back({L"ComboBox1", L"Bank:", ReportEntry::Kind::Text, L"BANK 0"});
  bank.entries.push_back({L"LabelMemCapacity", L"Capacity:", ReportEntry::Kind::Text, L"8192 MB"});
  document.pages = {apm, board, bank};
  document.processes = ProcessList{{{L"a.exe", 12, L"C:\\a.exe"}}, {}};

  std::string json = InventoryJson(document);
  EXPECT_THAT(json, HasSubstr("\"schema\": {\"name\": \"teko-inventory\", \"version\": 1}"));
  EXPECT_THAT(json, HasSubstr("\"created\": \"2026-12-10T12:00:00Z\""));
  EXPECT_THAT(json, HasSubstr("\"apm\": {\n    \"batteryLifePercent\": 80,\n    \"acLineStatus\": \"online\"\n  }"));
  EXPECT_THAT(json, HasSubstr("\"memoryModules\": [\n    {\n      \"bank\": \"BANK 0\",\n"
                              "      \"capacityBytes\": 8589934592\n    }\n  ]"));
  EXPECT_THAT(json, HasSubstr("\"processes\": [\n    {\"name\": \"a.exe\", \"id\": 12, \"path\": \"C:\\\\a.exe\"}\n  ]"));
  EXPECT_THAT(json, HasSubstr("\"errors\": [\n    {\"page\": \"MainBoard\", \"message\": \"WMI failed\"}\n  ]"));
  EXPECT_THAT(json, Not(HasSubstr("LabelMemCapacity")));
}

}  // namespace
}  // namespace teko
