#pragma once

#include <QList>

class QWidget;

// The program's windows in the order they were opened, so the exit routine
// can close every one of them, the most recently opened first.
namespace WindowList {

// Call when a window is shown; showing it again makes it the newest.
void opened(QWidget *window);
// Closes every window still alive, newest first.
void closeAllNewestFirst();
// The windows still alive, newest first.
QList<QWidget *> newestFirst();
// Forgets every window (tests).
void clear();

} // namespace WindowList
