#include "app/os_page_fillers.h"

namespace teko {

void FillFoldersPage(InfoSources& sources, PageSink& sink) {
  TSystemFolders& folders = sources.ComputerInfo.Folders();
  sink.SetText(L"LabelAppdata", folders.AppData());
  sink.SetText(L"LabelDesktop", folders.CommonDesktopDirectory());
  sink.SetText(L"LabelStartUp", folders.CommonStartup());
  sink.SetText(L"LabelFavorites1", folders.CommonFavorites());
  sink.SetText(L"LabelCookies", folders.Cookies());
  sink.SetText(L"LabelMyDesktop", folders.Desktop());
  sink.SetText(L"LabelMyFavorites", folders.Favorites());
  sink.SetText(L"LabelHistory", folders.History());
  sink.SetText(L"LabelInternet", folders.InternetCache());
  sink.SetText(L"LabelMyStartUp", folders.Startup());
  sink.SetText(L"LabelSystem", folders.System());
  sink.SetText(L"LabelTemp", folders.Temp());
}

}  // namespace teko
