#include "Placement.h"

#include <algorithm>
#include <initializer_list>

namespace Placement {
namespace {

// Room between the anchor and the area's edge, the gap taken off.
int roomRight(const QRect &anchor, int gap, const QRect &area) { return area.right() - anchor.right() - gap; }
int roomLeft(const QRect &anchor, int gap, const QRect &area) { return anchor.left() - gap - area.left(); }

QPoint rightOf(const QRect &anchor, int gap) { return QPoint(anchor.right() + 1 + gap, anchor.top()); }
QPoint leftOf(const QRect &anchor, const QSize &size, int gap)
{
    return QPoint(anchor.left() - gap - size.width(), anchor.top());
}

QPoint onSideWithMoreRoom(const QRect &anchor, const QSize &size, int gap, const QRect &area)
{
    const bool right = roomRight(anchor, gap, area) > roomLeft(anchor, gap, area);
    return inside(QRect(right ? rightOf(anchor, gap) : leftOf(anchor, size, gap), size), area);
}

} // namespace

QPoint inside(const QRect &want, const QRect &area)
{
    // Right and bottom first, so a window larger than the area ends at its
    // top-left corner, with its title bar and close button on the screen.
    const int x = std::max(std::min(want.left(), area.right() + 1 - want.width()), area.left());
    const int y = std::max(std::min(want.top(), area.bottom() + 1 - want.height()), area.top());
    return QPoint(x, y);
}

QPoint beside(const QRect &anchor, const QSize &size, Side side, int gap, const QRect &area)
{
    const int right = roomRight(anchor, gap, area);
    const bool fitsRight = side == Side::RightIfRoom ? right > size.width() : right >= size.width();
    const bool fitsLeft = roomLeft(anchor, gap, area) >= size.width();
    if (side != Side::Left && fitsRight)
        return inside(QRect(rightOf(anchor, gap), size), area);
    if (side != Side::Right && fitsLeft)
        return inside(QRect(leftOf(anchor, size, gap), size), area);
    return onSideWithMoreRoom(anchor, size, gap, area);
}

QPoint besideOpener(const QRect &opener, const QSize &size, int gap, const QRect &area, const QRect &main)
{
    const QPoint candidates[] = {
        rightOf(opener, gap),
        leftOf(opener, size, gap),
        rightOf(main, gap),
        leftOf(main, size, gap),
        QPoint(main.left(), main.bottom() + 1 + gap),
        QPoint(main.left(), main.top() - gap - size.height()),
    };
    // Covering neither window, then covering the opener but not the main window.
    for (const bool spareOpener : {true, false}) {
        for (const QPoint &at : candidates) {
            const QRect placed(inside(QRect(at, size), area), size);
            if (!placed.intersects(main) && !(spareOpener && placed.intersects(opener)))
                return placed.topLeft();
        }
    }
    return onSideWithMoreRoom(opener, size, gap, area);
}

QPoint centred(const QSize &size, const QRect &area)
{
    const QPoint topLeft(area.left() + (area.width() - size.width()) / 2,
                         area.top() + (area.height() - size.height()) / 2);
    return inside(QRect(topLeft, size), area);
}

} // namespace Placement
