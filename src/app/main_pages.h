#pragma once
// The twelve pages of the main window, in their order: a page's index is
// its position, and is what the refresh dispatches on.
#include <span>
#include <string_view>

#include "ui/layout.h"

namespace teko {

enum MainPageIndex : int {
  kPageSystem = 0,
  kPageCpu = 1,
  kPageFolders = 2,
  kPageNetwork = 3,
  kPageMemory = 4,
  kPageDisplay = 5,
  kPageApm = 6,
  kPageBios = 7,
  kPageMainBoard = 8,
  kPageControl = 9,
  kPageProcess = 10,
  kPageAbout = 11,
};

struct MainPage {
  std::wstring_view name;     // the tab sheet's name
  std::wstring_view caption;  // the tab's caption
  std::span<const ui::ControlSpec> (*layout)();
  // The tools that share an information page (its right half), or none.
  std::span<const ui::ControlSpec> (*toolsLayout)() = nullptr;
};

std::span<const MainPage> MainPages();

// Control IDs of the main window: the tab control, the page containers, and
// each page's rows from 10000 + 1000 * page index on, its tools' rows 500 later.
inline constexpr int kPageControlId = 100;
inline constexpr int kFirstPageContainerId = 200;
// Clear of 1001, the ID every editable combo box gives its own text field.
inline constexpr int FirstControlIdOfPage(int index) { return 10000 + 1000 * index; }
inline constexpr int FirstToolsControlIdOfPage(int index) { return FirstControlIdOfPage(index) + 500; }
// The ID of a named control of any page, -1 when there is none.
int MainWindowControlId(std::wstring_view name);

// Each page's layout table lives beside the page's window code.
std::span<const ui::ControlSpec> SystemPageLayout();
std::span<const ui::ControlSpec> CpuPageLayout();
std::span<const ui::ControlSpec> FoldersPageLayout();
std::span<const ui::ControlSpec> NetworkPageLayout();
std::span<const ui::ControlSpec> MemoryPageLayout();
std::span<const ui::ControlSpec> DisplayPageLayout();
std::span<const ui::ControlSpec> ApmPageLayout();
std::span<const ui::ControlSpec> BiosPageLayout();
std::span<const ui::ControlSpec> MainBoardPageLayout();
std::span<const ui::ControlSpec> ControlPageLayout();
std::span<const ui::ControlSpec> ProcessPageLayout();
std::span<const ui::ControlSpec> AboutPageLayout();
std::span<const ui::ControlSpec> SystemPageToolsLayout();
std::span<const ui::ControlSpec> NetworkPageToolsLayout();

}  // namespace teko
