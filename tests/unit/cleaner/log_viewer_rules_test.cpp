#include "cleaner/log_viewer_rules.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

TEST(HasLogText, BlankLinesCountAsNoText) {
  EXPECT_FALSE(HasLogText(L""));
  EXPECT_FALSE(HasLogText(L"  \r\n\t\r\n \n"));
  EXPECT_TRUE(HasLogText(L"\r\n Deleted: C:\\a.tmp\r\n"));
}

}  // namespace
}  // namespace teko
