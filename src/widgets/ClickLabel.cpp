#include "ClickLabel.h"

#include "ClickLabelAccessible.h"
#include "Units.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <utility>

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
    QObject::connect(label, &ClickLabel::focusLeft, label, [label, row] { applyLook(label, row.frame); });
}

QString spokenText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const auto wide = [](QChar c) { return c.unicode() > 0x7F; };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u' ' && ((i > 0 && wide(text.at(i - 1))) || (i + 1 < text.size() && wide(text.at(i + 1)))))
            continue;
        out += c;
    }
    return out.trimmed();
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(parent)
{
    installClickLabelAccessible();
    // Links carry names from the database and cells from the configuration:
    // shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

bool ClickLabel::hasClickAction() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked));
}

void ClickLabel::connectNotify(const QMetaMethod &signal)
{
    // Only the keyboard takes the focus: a mouse click leaves it where it is.
    if (signal == QMetaMethod::fromSignal(&ClickLabel::clicked))
        setFocusPolicy(Qt::TabFocus);
    QLabel::connectNotify(signal);
}

void ClickLabel::activate()
{
    if (!isEnabled())
        return;
    Q_EMIT pressed(Qt::LeftButton);
    Q_EMIT released(Qt::LeftButton);
    Q_EMIT clicked();
    // Still focused (the click may have opened another window): over again.
    if (hasFocus() && m_focusLook)
        Q_EMIT hovered();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && hasClickAction() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    // Not QLabel's: it would make the text document for selecting text,
    // which a link's plain text never needs.
    QFrame::focusInEvent(event);
    // The focus a window hands its first control when it opens or comes
    // back is no step of the keyboard's: the look stays as the mouse left it.
    const Qt::FocusReason reason = event->reason();
    m_focusLook = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MouseFocusReason;
    if (m_focusLook)
        Q_EMIT hovered();
}

bool ClickLabel::event(QEvent *event)
{
    // QLabel gives a label that takes the focus a rich-text document when
    // it is polished. A link's text is plain and drawn by paintEvent, so the
    // document would only cost time and memory: one per link, at start-up.
    if (event->type() == QEvent::Polish && focusPolicy() != Qt::NoFocus) {
        const Qt::FocusPolicy policy = focusPolicy();
        setFocusPolicy(Qt::NoFocus);
        const bool handled = QLabel::event(event);
        setFocusPolicy(policy);
        return handled;
    }
    return QLabel::event(event);
}

void ClickLabel::paintText()
{
    // As QLabel draws plain text. It would draw through its document once
    // it has one (a focused label, a text set while focusable), a pixel
    // higher than the plain labels beside it.
    QPainter painter(this);
    drawFrame(&painter);
    const int m = margin();
    QRect area = contentsRect().marginsRemoved(QMargins(m, m, m, m));
    const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, alignment());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - m;
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - indent);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - indent);
    }
    int flags = int(align) | Qt::TextExpandTabs
        | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), text(), foregroundRole());
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (pixmap().isNull())
        paintText();
    else
        QLabel::paintEvent(event);
    // The usual focus rectangle as well, for labels whose look doesn't change.
    if (hasFocus() && m_focusLook) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    if (std::exchange(m_focusLook, false))
        Q_EMIT focusLeft();
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

void disconnectLabelsFrom(QWidget *window)
{
    for (ClickLabel *label : window->findChildren<ClickLabel *>())
        QObject::disconnect(label, nullptr, window, nullptr);
}
