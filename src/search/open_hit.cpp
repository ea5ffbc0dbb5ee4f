#include "search/open_hit.h"

#include <string>

#include "core/paths.h"
#include "search/search_texts.h"

namespace teko {

void ExecuteCommand(ShellCommand& shell, Dialogs& dialogs, std::wstring_view command, std::wstring_view parameters) {
  if (shell.Open(command, parameters)) return;
  std::wstring text(search_texts::kOpenFailedBefore);
  text.append(command).append(L" ").append(parameters).append(search_texts::kOpenFailedAfter);
  dialogs.Show(MessageKind::Error, text);
}

void OpenHit(const ResultGrid& grid, const GridSorting& sorting, int currentRow, const FileSystem& files,
             ShellCommand& shell, Dialogs& dialogs) {
  if (currentRow < 1 || currentRow >= grid.RowCount() || sorting.HeaderMouseDown() >= 0) return;
  const std::wstring& path = grid.Row(currentRow).path;
  if (path.empty()) return;
  std::wstring folder = files.FolderExists(path) ? path : ExtractFilePath(path);
  if (!folder.empty() && files.FolderExists(folder)) ExecuteCommand(shell, dialogs, L"Explorer", folder);
}

}  // namespace teko
