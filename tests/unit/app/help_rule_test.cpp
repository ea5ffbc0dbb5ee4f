#include "app/help_rule.h"

#include <gtest/gtest.h>

#include "app/version_text.h"

namespace teko {
namespace {

TEST(HelpRule, OnlyGermanWithTheGermanLayoutChoosesTheGermanFile) {
  const std::wstring folder = L"C:\\Programs\\Teko\\";
  EXPECT_EQ(HelpFileFor(folder, 0x04070407), L"C:\\Programs\\Teko\\tekod.chm");
  EXPECT_EQ(HelpFileFor(folder, 0x04090407), L"C:\\Programs\\Teko\\tekoe.chm");  // German with the US layout
  EXPECT_EQ(HelpFileFor(folder, 0x0C070C07), L"C:\\Programs\\Teko\\tekoe.chm");  // Austrian German
  EXPECT_EQ(HelpFileFor(folder, 0x08070807), L"C:\\Programs\\Teko\\tekoe.chm");  // Swiss German
  EXPECT_EQ(HelpFileFor(folder, 0x04090409), L"C:\\Programs\\Teko\\tekoe.chm");
  EXPECT_EQ(HelpFileFor(folder, 0), L"C:\\Programs\\Teko\\tekoe.chm");  // the query failed
}

TEST(VersionText, FourWordsHighBeforeLow) {
  EXPECT_EQ(VersionText(0x00020000, 0x00010007), L"2.0.1.7");
  EXPECT_EQ(VersionText(0xFFFFFFFF, 0), L"65535.65535.0.0");
}

}  // namespace
}  // namespace teko
