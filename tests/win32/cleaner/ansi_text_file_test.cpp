#include "platform/ansi_text_file_win32.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_tree_win32.h"

namespace teko {
namespace {

using ::testing::ElementsAre;

std::string Ansi(const std::wstring& text) {
  int length = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}

TEST(AnsiTextFile, EveryLineEndsInCrLfInTheAnsiCodePageWithoutMark) {
  testing::TempTree tree;
  std::wstring path = tree.Path(L"log.txt");
  std::ofstream(path.c_str(), std::ios::binary) << std::string(500, 'z');  // replaced, not merged

  std::vector<std::wstring> lines{L"Deleted: C:\\Temp\\Gr\u00FC\u00DFe.tmp", L"", L"last"};
  ASSERT_EQ(WriteAnsiLines(path, lines), 0u);
  EXPECT_EQ(testing::FileBytes(path), Ansi(L"Deleted: C:\\Temp\\Gr\u00FC\u00DFe.tmp\r\n\r\nlast\r\n"));
  EXPECT_THAT(ReadAnsiLines(path).value(), ElementsAre(lines[0], L"", L"last"));

  ASSERT_EQ(WriteAnsiLines(path, {}), 0u);
  EXPECT_EQ(testing::FileBytes(path), "");
}

TEST(AnsiTextFile, ReportsWhatItCannotDoAndLeavesNoPartOfIt) {
  testing::TempTree tree;
  EXPECT_FALSE(ReadAnsiLines(tree.Path(L"missing.ini")).has_value());
  EXPECT_EQ(WriteAnsiLines(tree.Path(L"no such folder\\log.txt"), std::vector<std::wstring>{L"x"}),
            static_cast<uint32_t>(ERROR_PATH_NOT_FOUND));
  tree.AddFile(L"taken\\inside.txt", 3);
  EXPECT_NE(WriteAnsiLines(tree.Path(L"taken"), std::vector<std::wstring>{L"x"}), 0u);
  EXPECT_THAT(tree.Contents(), ElementsAre(L"taken", L"taken\\inside.txt"));
}

// Wine writes through a host link to a file; the file is replaced instead.
TEST(AnsiTextFile, AFileLinkIsReplacedAndWhatItLedToKeepsItsBytes) {
  testing::TempTree outside;
  outside.AddFile(L"precious.txt", 40);
  testing::TempTree tree;
  if (!tree.AddHostLink(L"log.txt", outside.Path(L"precious.txt"))) GTEST_SKIP() << "no Linux host to make links";
  ASSERT_EQ(WriteAnsiLines(tree.Path(L"log.txt"), std::vector<std::wstring>{L"new"}), 0u);
  EXPECT_EQ(testing::FileBytes(outside.Path(L"precious.txt")), std::string(40, 'x'));
  EXPECT_EQ(testing::FileBytes(tree.Path(L"log.txt")), "new\r\n");
  EXPECT_EQ(testing::RunOnHost("test ! -L " + testing::ShellQuoted(testing::HostPath(tree.Path(L"log.txt")))), 0);
}

}  // namespace
}  // namespace teko
