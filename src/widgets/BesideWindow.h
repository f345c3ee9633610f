#pragma once

#include "Placement.h"

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

// Placing one top-level window beside another, inside the available
// geometry of the screen the main window is on (the rules are in
// Placement.h). Windows are measured by their outer (framed) geometry,
// title bar and borders included, which is only known once the window
// manager has framed them: a placement made before that is made again when
// FrameWatch reports the frame.
namespace BesideWindow {

using Side = Placement::Side;

// The gap between a window without a place of its own and its opener.
inline constexpr int OpenerGapTwips = 150;

// The main window, whose screen holds every other window and which the
// others cover only when there is no other room. Set by the main window.
void setMainWindow(const QWidget *main);
const QWidget *mainWindow();
// The available geometry of the main window's screen (without a main
// window: of the given window's screen, else the primary screen's).
QRect screenArea(const QWidget *fallback = nullptr);

// Outer top-left of a window of the given outer size beside the anchor's
// outer rectangle, gapTwips apart, inside the area (Placement::beside).
QPoint position(const QRect &anchorOuter, const QSize &outer, Side side, int gapTwips, const QRect &area);

// Moves the window so its outer rectangle sits beside the anchor's, inside
// the main window's screen. Nothing happens without both windows.
void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips);

// How a window without a place of its own is opened: call
// WindowList::showFromLink(window, openedFrom), which calls this while the
// window is hidden. Puts it beside the window it was opened from (no
// opener: the main window), inside the main window's screen, and again once
// the window manager has framed it.
void placeBesideOpener(QWidget *window, const QWidget *openedFrom);

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
