#pragma once
// The search engine: finds files matching a mask in a folder (and its
// subfolders), or folders whose name matches a text in a whole tree, and
// records each hit in the results list and the grid. A file search hands
// control to the message pump before each subfolder entry, which is how its
// Stop button is pressed. Neither walk follows junctions or symbolic links.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "search/file_time_format.h"
#include "search/grid_sorting.h"
#include "search/result_grid.h"
#include "search/search_screen.h"

namespace teko {

// The text from the last "." on, dot included; empty without a dot.
std::wstring MaskExtension(std::wstring_view name);

class FileSearch {
 public:
  struct Seams {
    const FileSystem& files;
    const FileTimeFormat& times;
    MessagePump& pump;
    Dialogs& dialogs;
    SearchScreen& screen;
  };

  FileSearch(Seams seams, ResultGrid& grid, GridSorting& sorting) : seams_(seams), grid_(grid), sorting_(sorting) {}

  // The handler of both Find and Stop: starts a search, or asks the running
  // file search to stop.
  void BtnSearchClick();

  void SearchFiles(std::wstring_view startFolder, std::wstring_view mask, bool clearFirst, bool includeSubfolders);
  // One folder of the file search; `folder` ends in a backslash.
  void SearchFilesInFolder(const std::wstring& folder);
  void SearchFolders(std::wstring_view folder, std::wstring_view mask);
  void AddSearchResult(const std::wstring& path, const DirEntry& entry);

  // The results list: every hit's full path, in the order found.
  const std::vector<std::wstring>& Results() const { return results_; }
  bool Searching() const { return searching_; }
  bool CancelRequested() const { return cancelRequested_; }
  bool FolderExactMatch() const { return folderExactMatch_; }

 private:
  void RunSearch(const SearchInputs& inputs);

  Seams seams_;
  ResultGrid& grid_;
  GridSorting& sorting_;
  std::vector<std::wstring> results_;
  std::wstring mask_;
  bool includeSubfolders_ = false;
  bool searching_ = false;
  bool cancelRequested_ = false;
  bool folderExactMatch_ = false;
};

}  // namespace teko
