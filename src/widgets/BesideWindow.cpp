#include "BesideWindow.h"

#include "Units.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <QWidget>

namespace BesideWindow {

QPoint position(const QRect &anchorOuter, const QSize &outer, Side side, int gapTwips, const QRect &screen)
{
    const int gap = twipsToPixels(gapTwips);
    const int left = anchorOuter.left() - gap - outer.width();
    const int right = anchorOuter.left() + anchorOuter.width() + gap;
    bool onRight = side == Side::Right;
    // The room right of the anchor and the gap must be more than the width.
    if (side == Side::RightIfRoom)
        onRight = screen.left() + screen.width() - right > outer.width();
    return QPoint(onRight ? right : left, anchorOuter.top());
}

void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips)
{
    if (!window || !anchor)
        return;
    const QScreen *screen = anchor->screen();
    const QRect whole = screen ? screen->geometry() : QRect();
    moveOuterTo(window, position(outerGeometry(anchor), outerGeometry(window).size(), side, gapTwips, whole));
}

void moveOuterTo(QWidget *window, const QPoint &outerTopLeft)
{
    // The client area's place, from the frame as the window system has it
    // now (move() would go by the frame QWidget knew last).
    const QMargins frame = frameMargins(window);
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

QMargins frameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QRect outerGeometry(const QWidget *window)
{
    return window->geometry().marginsAdded(frameMargins(window));
}

} // namespace BesideWindow

FrameWatch::FrameWatch(QWidget *window) : QObject(window), m_window(window), m_settle(new QTimer(this))
{
    window->installEventFilter(this);
    // After a show: ten looks a second for three seconds.
    m_settle->setInterval(100);
    connect(m_settle, &QTimer::timeout, this, [this] {
        check();
        if (++m_settleChecks >= 30)
            m_settle->stop();
    });
}

void FrameWatch::check()
{
    const QMargins now = BesideWindow::frameMargins(m_window);
    if (now != m_margins) {
        m_margins = now;
        Q_EMIT frameChanged();
    }
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    // The frame arrives with the window manager's reparenting, which moves
    // the client area inside it; a new theme resizes or moves it too.
    switch (event->type()) {
    case QEvent::Show:
        m_settleChecks = 0;
        m_settle->start();
        check();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
        check();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
