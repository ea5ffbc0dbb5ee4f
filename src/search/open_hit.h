#pragma once
// Opening the folder of a hit in the file explorer.
#include <string_view>

#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "search/grid_sorting.h"
#include "search/result_grid.h"
#include "search/shell_command.h"

namespace teko {

// Runs a command through the shell; a failure shows an error box naming it.
void ExecuteCommand(ShellCommand& shell, Dialogs& dialogs, std::wstring_view command, std::wstring_view parameters);

// The grid's double-click: opens an explorer window on the folder of the hit
// in `currentRow` (the folder itself for a folder hit). Nothing happens for
// the header, an empty row, a row whose folder is gone, or when the last
// press was on the header.
void OpenHit(const ResultGrid& grid, const GridSorting& sorting, int currentRow, const FileSystem& files,
             ShellCommand& shell, Dialogs& dialogs);

}  // namespace teko
