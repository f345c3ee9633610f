#include "BesideWindow.h"

#include "Units.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace BesideWindow {

QPoint position(const QRect &anchorOuter, const QSize &outer, Side side, int gapTwips,
                const QRect &screenArea)
{
    const int gap = twipsToPixels(gapTwips);
    const int left = anchorOuter.left() - gap - outer.width();
    const int right = anchorOuter.left() + anchorOuter.width() + gap;
    bool onRight = side == Side::Right;
    if (side == Side::RightIfRoom)
        onRight = right + outer.width() <= screenArea.left() + screenArea.width();
    return QPoint(onRight ? right : left, anchorOuter.top());
}

void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips)
{
    const QScreen *screen = anchor->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // move() places the outer top-left corner of a top-level window.
    window->move(position(anchor->frameGeometry(), window->frameGeometry().size(), side, gapTwips, area));
}

QMargins frameMargins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

} // namespace BesideWindow

FrameWatch::FrameWatch(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    // The frame arrives with the window manager's reparenting, which moves
    // the client area inside it; a new theme resizes or moves it too.
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowStateChange: {
        const QMargins now = BesideWindow::frameMargins(m_window);
        if (now != m_margins) {
            m_margins = now;
            Q_EMIT frameChanged();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
