#include "core/text.h"

#include <gtest/gtest.h>

#include "core/paths.h"
#include "core/wildcard.h"

namespace teko {
namespace {

TEST(Text, AsciiCaseOnlyTouchesAToZ) {
  EXPECT_EQ(AsciiUpper(L"notepad.exe"), L"NOTEPAD.EXE");
  EXPECT_EQ(AsciiUpper(L"\u00e4b"), L"\u00e4B");
  EXPECT_TRUE(EqualsIgnoringAsciiCase(L"NOTEPAD.EXE", L"notepad.exe"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase(L"notepad.ex", L"notepad.exe"));
}

TEST(Text, TrimRemovesBlanksAndLineBreaks) {
  EXPECT_EQ(Trim(L" \t a b \r\n"), L"a b");
  EXPECT_EQ(Trim(L"   "), L"");
  EXPECT_EQ(TrimLeft(L"  x "), L"x ");
}

TEST(Text, SplitLinesHandlesEveryLineEnd) {
  EXPECT_EQ(SplitLines(L"a\r\nb\nc\rd"), (std::vector<std::wstring>{L"a", L"b", L"c", L"d"}));
  EXPECT_EQ(SplitLines(L"a\r\n\r\nb\r\n"), (std::vector<std::wstring>{L"a", L"", L"b"}));
  EXPECT_TRUE(SplitLines(L"").empty());
}

TEST(Text, Utf8RoundTripIncludingSurrogatesAndBadBytes) {
  std::wstring text = L"Gr\u00f6\u00dfe \u00ae\u2122 \U0001F600";
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
  EXPECT_EQ(Utf8FromWide(L"\u00ae"), "\xc2\xae");
  EXPECT_EQ(WideFromUtf8("a\xff" "b"), L"a\ufffdb");
  EXPECT_EQ(WideFromUtf8("\xe2\x84"), L"\ufffd\ufffd");
}

TEST(Paths, FolderAndNameParts) {
  EXPECT_EQ(ExtractFilePath(L"C:\\a\\b.exe"), L"C:\\a\\");
  EXPECT_EQ(ExtractFileDir(L"C:\\a\\b.exe"), L"C:\\a");
  EXPECT_EQ(ExtractFileDir(L"C:\\b.exe"), L"C:\\");
  EXPECT_EQ(ExtractFileName(L"C:\\a\\b.exe"), L"b.exe");
  EXPECT_EQ(ExtractFileName(L"C:b.exe"), L"b.exe");
  EXPECT_EQ(ExcludeTrailingBackslash(L"C:\\"), L"C:");
  EXPECT_EQ(IncludeTrailingBackslash(L"C:"), L"C:\\");
  EXPECT_EQ(JoinPath(L"C:\\", L"x"), L"C:\\x");
  EXPECT_EQ(JoinPath(L"C:\\a", L"x"), L"C:\\a\\x");
}

TEST(Wildcard, WindowsMaskRules) {
  EXPECT_TRUE(MatchesMask(L"a.htm", L"*.htm"));
  EXPECT_FALSE(MatchesMask(L"a.html", L"*.htm"));
  EXPECT_TRUE(MatchesMask(L"README", L"*.*"));
  EXPECT_TRUE(MatchesMask(L"x.TMP", L"*.tmp"));
  EXPECT_TRUE(MatchesMask(L"abc", L"a?c"));
  EXPECT_FALSE(MatchesMask(L"ac", L"a?c"));
  EXPECT_TRUE(MatchesMask(L"mytempfile", L"*temp*"));
  EXPECT_TRUE(MatchesMask(L".", L"*.*"));
  EXPECT_FALSE(MatchesMask(L".", L"*.tmp"));
  EXPECT_TRUE(MatchesMask(L"History.plist", L"History.plist"));
}

}  // namespace
}  // namespace teko
