#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget *widget, std::function<void()> then) : QObject(widget), m_then(std::move(then))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this); // once
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> then = std::move(m_then);
                deleteLater();
                then();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstPaint(QWidget *widget, std::function<void()> then)
{
    if (widget && then)
        new FirstPaintWatch(widget, std::move(then));
}
