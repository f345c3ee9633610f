#include "SurfaceDrag.h"

#include "Units.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

QPoint pointerTwips(const QMouseEvent *event)
{
    const QPoint px = event->position().toPoint();
    return QPoint(int(pixelsToTwips(px.x())), int(pixelsToTwips(px.y())));
}

} // namespace

SurfaceDrag::SurfaceDrag(QWidget *window, QWidget *surface) : QObject(window), m_window(window)
{
    (surface ? surface : window)->installEventFilter(this);
}

bool SurfaceDrag::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() == Qt::LeftButton) {
            m_dragging = true;
            m_fromTwips = pointerTwips(e);
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (m_dragging && (e->buttons() & Qt::LeftButton)) {
            const QPoint by = pointerTwips(e) - m_fromTwips;
            m_window->move(m_window->pos() + QPoint(twipsToPixels(by.x()), twipsToPixels(by.y())));
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;
}
