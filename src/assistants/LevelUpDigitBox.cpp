#include "LevelUpDigitBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

LevelUpDigitBox::LevelUpDigitBox(QWidget *parent) : QLineEdit(parent) {}

bool LevelUpDigitBox::acceptsTyped(const QString &text)
{
    for (const QChar c : text)
        if (c.isPrint() && !(c >= u'0' && c <= u'9'))
            return false;
    return true;
}

void LevelUpDigitBox::keyPressEvent(QKeyEvent *event)
{
    // Shortcuts pass: exactly Ctrl or Ctrl+Shift, or anything with Meta. On
    // Windows AltGr arrives as Ctrl+Alt and types "@", "€" or "{": that is
    // typing, not a shortcut.
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    const bool shortcut = held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier)
                          || (held & Qt::MetaModifier);
    if (!shortcut && !acceptsTyped(event->text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LevelUpDigitBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!acceptsTyped(event->commitString())) {
        // Whatever was being composed is dropped, not committed.
        QInputMethodEvent none;
        QLineEdit::inputMethodEvent(&none);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void LevelUpDigitBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        selectAll();
}
