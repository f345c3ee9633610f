#include "PickListKeys.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

class ClosedListKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Down:
            if (key->modifiers() & Qt::AltModifier) {
                static_cast<QComboBox *>(watched)->showPopup();
                return true;
            }
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        case Qt::Key_Space:
        case Qt::Key_F4:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            // Typed text would search the list and pick what it finds.
            return !key->text().isEmpty() && key->text().at(0).isPrint();
        }
    }
};

} // namespace

void pickOnlyWhenOpen(QComboBox *list)
{
    list->installEventFilter(new ClosedListKeys(list));
}
