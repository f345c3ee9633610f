#pragma once

#include <QList>

class QWidget;

// The program's windows in the order they were opened, so the exit routine
// can close every one of them, the most recently opened first.
namespace WindowList {

// Call when a window is shown; showing it again makes it the newest.
void opened(QWidget *window);
// How a link shows its window: shown if closed, restored if minimised,
// raised and activated, and made the newest.
void showFromLink(QWidget *window);
// The same for a window without a place of its own (a new window opens this
// way): a hidden window is first put beside the window it was opened from,
// inside the main window's screen (BesideWindow::placeBesideOpener).
void showFromLink(QWidget *window, const QWidget *openedFrom);
// Closes every window still alive, newest first.
void closeAllNewestFirst();
// True while closeAllNewestFirst() runs: the program is ending, and a
// closing window must not bring the main window back.
bool closingAll();
// The windows still alive, newest first.
QList<QWidget *> newestFirst();
// Forgets every window (tests).
void clear();

} // namespace WindowList
