// search_files FOLDER MASK [--folders] [--sort]: runs the search window's
// engine on a folder as the window would (subfolders included) and prints
// every hit's path, one a line in UTF-8, in the order found. The number of
// hits and the seconds the search took go to the error stream; with --sort,
// also the seconds a header click takes to sort the hits by each column.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench_clock.h"
#include "core/text.h"
#include "platform/file_system_win32.h"
#include "search/file_search.h"
#include "search/file_time_format_win32.h"
#include "search/text_collator_win32.h"

namespace {

using namespace teko;

class ConsoleScreen final : public SearchScreen {
 public:
  explicit ConsoleScreen(SearchInputs inputs) : inputs_(std::move(inputs)) {}
  SearchInputs ReadInputs() const override { return inputs_; }
  void SetStatus(std::wstring_view) override {}
  void ShowStopButton(bool) override {}
  void SetBusyCursor(bool) override {}
  void GridChanged(bool) override {}

 private:
  SearchInputs inputs_;
};

class NoMessages final : public MessagePump {
 public:
  bool ProcessMessages() override { return true; }
};

class ErrorStreamDialogs final : public Dialogs {
 public:
  void Show(MessageKind, std::wstring_view text) override { std::fprintf(stderr, "%s\n", Utf8FromWide(text).c_str()); }
  bool Ask(std::wstring_view) override { return false; }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: search_files FOLDER MASK [--folders] [--sort]\n");
    return 2;
  }
  bool folders = false, sort = false;
  for (int i = 3; i < argc; ++i) {
    folders = folders || std::wstring(argv[i]) == L"--folders";
    sort = sort || std::wstring(argv[i]) == L"--sort";
  }
  ConsoleScreen screen(SearchInputs{argv[2], argv[1], true, folders ? SearchTarget::Folders : SearchTarget::Files});
  Win32FileSystem files;
  Win32FileTimeFormat times;
  Win32TextCollator collator;
  NoMessages pump;
  ErrorStreamDialogs dialogs;
  ResultGrid grid;
  GridSorting sorting(grid, collator);
  FileSearch search({files, times, pump, dialogs, screen}, grid, sorting);

  double start = Seconds();
  search.BtnSearchClick();
  double took = Seconds() - start;

  std::vector<double> sorts;
  for (int column = 0; sort && column < kGridColumns; ++column) {
    double sortStart = Seconds();
    sorting.MouseDown(GridCell{0, column}, true);
    sorts.push_back(Seconds() - sortStart);
  }

  std::string out;
  for (const auto& path : search.Results()) out += Utf8FromWide(path) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  for (size_t column = 0; column < sorts.size(); ++column) std::fprintf(stderr, "sort %zu seconds %.6f\n", column, sorts[column]);
  std::fprintf(stderr, "hits %zu seconds %.6f\n", search.Results().size(), took);
  return 0;
}
