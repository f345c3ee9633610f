#include "WindowList.h"

#include "BesideWindow.h"

#include <QPointer>
#include <utility>
#include <QWidget>

namespace WindowList {
namespace {

// Oldest first.
QList<QPointer<QWidget>> &windows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

void dropDeleted() { windows().removeIf([](const QPointer<QWidget> &w) { return w.isNull(); }); }

bool g_closingAll = false;

} // namespace

void opened(QWidget *window)
{
    if (!window)
        return;
    dropDeleted();
    windows().removeIf([window](const QPointer<QWidget> &w) { return w == window; });
    windows().append(window);
}

void showFromLink(QWidget *window)
{
    if (!window)
        return;
    // A window minimised and then closed keeps the state: clear it either way.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    opened(window);
}

void showFromLink(QWidget *window, const QWidget *openedFrom)
{
    if (window && !window->isVisible())
        BesideWindow::placeBesideOpener(window, openedFrom);
    showFromLink(window);
}

QList<QWidget *> newestFirst()
{
    dropDeleted();
    QList<QWidget *> list;
    for (auto it = windows().crbegin(); it != windows().crend(); ++it)
        list.append(it->data());
    return list;
}

void closeAllNewestFirst()
{
    // Guarded: closing one window may delete others.
    QList<QPointer<QWidget>> order;
    for (QWidget *w : newestFirst())
        order.append(w);
    const bool wasClosing = std::exchange(g_closingAll, true);
    for (const QPointer<QWidget> &w : order)
        if (w)
            w->close();
    g_closingAll = wasClosing;
}

bool closingAll() { return g_closingAll; }

void clear() { windows().clear(); }

} // namespace WindowList
