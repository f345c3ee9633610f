#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window goes on the screen: rectangle arithmetic only, no widgets.
// Every rectangle is a window's outer (framed) rectangle in the screen's
// device-independent pixels; `area` is the available geometry of the screen
// the main window is on (the screen minus panels and docks). Every answer
// keeps the window inside the area; a window larger than the area keeps its
// top and left edges on the area's.
namespace Placement {

enum class Side {
    Left,        // left of the anchor
    Right,       // right of the anchor
    RightIfRoom, // right when the area has more room there than the width, otherwise left
};

// The top-left of `want` moved inward just enough to lie inside the area,
// never past its top or left edge.
QPoint inside(const QRect &want, const QRect &area);

// A window with a place of its own beside the anchor (the main window),
// tops level, `gap` pixels apart. The side asked for when the window fits
// there; RightIfRoom tries the left next. When no side asked for fits: the
// side with more room, then moved inward until it fits.
QPoint beside(const QRect &anchor, const QSize &size, Side side, int gap, const QRect &area);

// A window without a place of its own, opened from `opener`: right of the
// opener, else left of it, tops level, `gap` apart; failing both, the first
// free room right of, left of, below or above the main window. It covers
// neither window where it can, and covers the main window only when there
// is no other room (then it stands beside the opener on the side with more
// room, moved inward).
QPoint besideOpener(const QRect &opener, const QSize &size, int gap, const QRect &area, const QRect &main);

// Centred in the area, moved inward when larger than it.
QPoint centred(const QSize &size, const QRect &area);

} // namespace Placement
