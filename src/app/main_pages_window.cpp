#include "app/main_pages.h"

namespace teko {

std::span<const MainPage> MainPages() {
  static const MainPage pages[] = {
      {L"TabSheetWindows", L"System", SystemPageLayout, SystemPageToolsLayout},
      {L"TabSheetCPU", L"CPU", CpuPageLayout},
      {L"TabSheetFolders", L"Folders", FoldersPageLayout},
      {L"TabSheetIdent", L"Network", NetworkPageLayout, NetworkPageToolsLayout},
      {L"TabSheetMem", L"Memory", MemoryPageLayout},
      {L"TabSheetRes", L"Display", DisplayPageLayout},
      {L"TabSheetMisc", L"APM", ApmPageLayout},
      {L"TabSheet1", L"Bios", BiosPageLayout},
      {L"TabSheet2", L"MainBoard", MainBoardPageLayout},
      {L"TabSheetClipBoard", L"Control", ControlPageLayout},
      {L"TabSheetProc", L"Process", ProcessPageLayout},
      {L"TabSheetAbout", L"About", AboutPageLayout},
  };
  return pages;
}

int MainWindowControlId(std::wstring_view name) {
  auto pages = MainPages();
  for (size_t i = 0; i < pages.size(); ++i) {
    int page = static_cast<int>(i);
    int id = ui::ControlIdOf(pages[i].layout(), name, FirstControlIdOfPage(page));
    if (id < 0 && pages[i].toolsLayout) {
      id = ui::ControlIdOf(pages[i].toolsLayout(), name, FirstToolsControlIdOfPage(page));
    }
    if (id >= 0) return id;
  }
  return -1;
}

}  // namespace teko
