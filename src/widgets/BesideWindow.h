#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

// Placing one top-level window beside another. Both are measured by their
// outer (framed) geometry, title bar and borders included, which is only
// known once the window manager has framed them: a placement made before
// that is made again when FrameWatch reports the frame.
namespace BesideWindow {

enum class Side {
    Left,        // to the left of the anchor
    Right,       // to the right of the anchor
    RightIfRoom, // right when the screen has room for it there, otherwise left
};

// Outer top-left of a window of the given outer size beside the anchor's
// outer rectangle, its top level with the anchor's, gapTwips apart. The
// screen (the whole of it) decides RightIfRoom only: right when the room
// between the gap and the screen's right edge is more than the width.
QPoint position(const QRect &anchorOuter, const QSize &outer, Side side, int gapTwips, const QRect &screen);

// Moves the window so its outer rectangle sits beside the anchor's, on the
// screen the anchor is on. Nothing happens without both windows.
void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips);

// Moves the window so its outer (framed) top-left is at the given point.
void moveOuterTo(QWidget *window, const QPoint &outerTopLeft);

// The width of the window's frame on each side: zero until it is framed.
// Asked of the window system each time: QWidget::frameGeometry() keeps the
// frame it knew at the window's last move, which is none when the window
// manager framed the window without moving its client area.
QMargins frameMargins(const QWidget *window);
// The window's outer rectangle on the screen, frame included.
QRect outerGeometry(const QWidget *window);

} // namespace BesideWindow

// Reports when the window manager frames a top-level window or changes its
// frame (a title bar added, a theme with other borders), so a placement
// that depends on outer geometry can be made again. The window system
// sends no event for a new frame: the watch looks at moves, resizes and
// activation, and for a few seconds after each show.
class FrameWatch : public QObject {
    Q_OBJECT
public:
    explicit FrameWatch(QWidget *window);
    // Looks at the frame now; reports a change.
    void check();

    QMargins margins() const { return m_margins; }

Q_SIGNALS:
    void frameChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QMargins m_margins;
    QTimer *m_settle;
    int m_settleChecks = 0;
};
