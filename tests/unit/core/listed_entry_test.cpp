#include "core/listed_entry.h"

#include <gtest/gtest.h>

namespace teko {
namespace {

TEST(IsListedEntry, OnlyTheWholeResolvedPathOfTheListedNameCounts) {
  // The entry itself, also at a drive root and on a share, in another case.
  EXPECT_TRUE(IsListedEntry(L"\\\\?\\C:\\Temp\\acc", L"report.doc", L"\\\\?\\C:\\Temp\\acc\\report.doc"));
  EXPECT_TRUE(IsListedEntry(L"\\\\?\\C:\\", L"x.tmp", L"\\\\?\\C:\\x.tmp"));
  EXPECT_TRUE(IsListedEntry(L"\\\\?\\UNC\\pc\\share", L"a", L"\\\\?\\UNC\\pc\\share\\a"));
  EXPECT_TRUE(IsListedEntry(L"\\\\?\\C:\\Temp", L"Report.DOC", L"\\\\?\\c:\\temp\\report.doc"));
  // A link that carries its target's name, one with another name, one in a
  // folder whose name merely starts alike.
  EXPECT_FALSE(IsListedEntry(L"\\\\?\\C:\\in", L"same.doc", L"\\\\?\\Z:\\out\\same.doc"));
  EXPECT_FALSE(IsListedEntry(L"\\\\?\\C:\\in", L"link.doc", L"\\\\?\\C:\\in\\target.doc"));
  EXPECT_FALSE(IsListedEntry(L"\\\\?\\C:\\in", L"a", L"\\\\?\\C:\\inner\\a"));
  // Nothing resolved proves nothing.
  EXPECT_FALSE(IsListedEntry(L"", L"a", L"\\\\?\\C:\\a"));
  EXPECT_FALSE(IsListedEntry(L"\\\\?\\C:\\in", L"a", L""));
}

}  // namespace
}  // namespace teko
