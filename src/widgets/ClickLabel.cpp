#include "ClickLabel.h"

#include "Units.h"

#include <QMouseEvent>

void setLinkColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, colour);
    p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(p);
}

void applyLook(QLabel *label, const LinkLook &look)
{
    if (look.bgr)
        setLinkColour(label, fromBgr(*look.bgr));
    if (look.bold || look.italic || look.pointSize || look.underline) {
        QFont f = label->font();
        if (look.bold)
            f.setBold(*look.bold);
        if (look.italic)
            f.setItalic(*look.italic);
        if (look.pointSize)
            f.setPointSize(*look.pointSize);
        if (look.underline)
            f.setUnderline(*look.underline);
        label->setFont(f);
    }
}

void wireLook(ClickLabel *label, const LinkLookRow &row)
{
    applyLook(label, row.frame);
    QObject::connect(label, &ClickLabel::hovered, label, [label, row] { applyLook(label, row.over); });
    QObject::connect(label, &ClickLabel::pressed, label, [label, row](Qt::MouseButton button) {
        if (!row.pressedLookLeftOnly || button == Qt::LeftButton)
            applyLook(label, row.pressed);
    });
    QObject::connect(label, &ClickLabel::released, label, [label, row] { applyLook(label, row.released); });
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    // Links carry names from the database and cells from the configuration:
    // shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Accepted here so the frame underneath does not undo the hover look.
    event->accept();
    Q_EMIT hovered();
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_down = event->button();
    Q_EMIT pressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const Qt::MouseButton button = event->button();
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasDown = m_down == button;
    m_down = Qt::NoButton;
    Q_EMIT released(button);
    if (wasDown && inside && isEnabled()) {
        if (button == Qt::LeftButton)
            Q_EMIT clicked();
        else if (button == Qt::RightButton)
            Q_EMIT rightClicked();
    }
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click: a press as far as looks go.
    event->accept();
    m_down = event->button();
    Q_EMIT pressed(event->button());
    if (event->button() == Qt::LeftButton && isEnabled())
        Q_EMIT doubleClicked();
}
