#include "Beside.h"

#include "Units.h"

#include <QScreen>
#include <QWidget>

namespace Beside {

int left(Side side, const QRect &anchor, int screenRight, int width, int gap)
{
    const int toTheRight = anchor.x() + anchor.width() + gap;
    if (side == Side::RightIfRoom && screenRight - toTheRight > width)
        return toTheRight;
    return anchor.x() - width - gap;
}

int outerWidth(const QWidget *window, const QWidget *framedLike)
{
    const int own = window->frameGeometry().width();
    if (own != window->width() || !framedLike)
        return own;
    return window->width() + framedLike->frameGeometry().width() - framedLike->width();
}

void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips)
{
    if (!window || !anchor)
        return;
    const QRect outer = anchor->frameGeometry();
    const QScreen *screen = anchor->screen();
    const int screenRight = screen ? screen->geometry().x() + screen->geometry().width()
                                   : outer.x() + outer.width();
    // move() places a top-level window by its outer (framed) corner.
    window->move(left(side, outer, screenRight, outerWidth(window, anchor), twipsToPixels(gapTwips)),
                 outer.y());
}

} // namespace Beside
