#pragma once

#include <QLabel>
#include <optional>

// How a link label looks in one of its states. Empty fields leave that
// property as it is, so a row of a look table changes only what it names.
struct LinkLook {
    std::optional<quint32> bgr;      // text colour, 0xBBGGRR
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<int> pointSize;
};

void applyLook(QLabel *label, const LinkLook &look);
// The text colour of the link while it can be clicked; a disabled link keeps
// the greyed text of the style, so it doesn't look clickable.
void setLinkColour(QLabel *label, const QColor &colour);

// A label that acts as a link: it reports the pointer entering it, button
// presses and releases, and a click (press and release of the left button
// on the label). Looks are applied by whoever listens, from its look table.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void hovered();
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked();
    void rightClicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Qt::MouseButton m_down = Qt::NoButton;
};
