#include "WindowList.h"

#include <QPointer>
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

} // namespace

void opened(QWidget *window)
{
    if (!window)
        return;
    dropDeleted();
    windows().removeIf([window](const QPointer<QWidget> &w) { return w == window; });
    windows().append(window);
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
    for (const QPointer<QWidget> &w : order)
        if (w)
            w->close();
}

void clear() { windows().clear(); }

} // namespace WindowList
