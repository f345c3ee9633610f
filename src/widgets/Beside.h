#pragma once

#include <QRect>

class QWidget;

// Placing a window beside another (the main window), by their outer framed
// geometry, on the screen the other window is on.
namespace Beside {

// Which side the window takes.
enum class Side {
    Left,        // always to the left
    RightIfRoom, // to the right when the room there is more than the window's width
};

// The outer left of a window of outer width `width` placed `gap` beside
// `anchor` (outer geometry) on a screen whose right edge is `screenRight`
// (one past the last column). All in the same unit.
int left(Side side, const QRect &anchor, int screenRight, int width, int gap);

// Moves `window` beside `anchor`, `gapTwips` away, top to top. A window the
// window manager has not framed yet reports no frame, so its outer width is
// taken as its width plus the anchor's frame: the same decorations.
void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips);

// The window's outer width in pixels, estimated as above while unframed.
int outerWidth(const QWidget *window, const QWidget *framedLike);

} // namespace Beside
