#pragma once
// A clipboard viewer: shows the clipboard's text (scrollable) or picture
// (shrunk to fit) and follows every change of the clipboard by itself. Its
// window text tells what it shows, so it can be read back: the text itself,
// "Picture W x H" for a picture, empty otherwise.
#include <windows.h>

namespace teko::ui {

inline constexpr wchar_t kClipboardViewerClassName[] = L"TekoClipboardViewer";
void RegisterClipboardViewerClass();

// The size a picture is drawn at in a box: its own size when it fits,
// otherwise shrunk to the box keeping its proportions (at least 1 x 1).
SIZE FitPicture(SIZE picture, SIZE box);

}  // namespace teko::ui
