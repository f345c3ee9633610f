#pragma once

class LibraryWindow;
class Main;
class QWidget;

// "我的配置": Ctrl+L (from any window of the program), "我的配置…" on
// 复制分享's menu, and the offer after Ctrl+S saved into the library's
// folder open the one library window, made on first use. Its loads go to
// the main window through applyPicks, its imports to the comparison window.
void wireLibrary(Main &main);

// The window, made if needed and shown from a link, beside the window it
// was opened from (the main window when none is given).
LibraryWindow *openLibrary(Main &main, const QWidget *openedFrom = nullptr);
