#pragma once

#include <QLabel>
#include <QStringView>
#include <optional>

// How a link label looks in one of its states. Empty fields leave that
// property as it is, so a row of a look table changes only what it names.
struct LinkLook {
    std::optional<quint32> bgr;      // text colour, 0xBBGGRR
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<int> pointSize;
    std::optional<bool> underline = std::nullopt;
};

void applyLook(QLabel *label, const LinkLook &look);
// The text colour of the link while it can be clicked; a disabled link keeps
// the greyed text of the style, so it doesn't look clickable.
void setLinkColour(QLabel *label, const QColor &colour);

// One row of a window's look table: pointer over the label, button pressed,
// button released, and pointer over the frame around it (which also is the
// look it starts with). Colours are 0xBBGGRR, sizes points.
struct LinkLookRow {
    QStringView label;
    LinkLook over;
    LinkLook pressed;
    LinkLook released;
    LinkLook frame;
    bool pressedLookLeftOnly = true;
};

// The clickable label of every window, used as a link or a button: it
// reports the pointer moving over it, button presses and releases, and a
// click (press and release of the same button on the label). Pointer moves
// stop here, so the frame behind it doesn't undo a hover look. Looks are
// applied by whoever listens, from its look table (see wireLook).
//
// A label with a click action (anything connected to clicked) is a link for
// the keyboard and for assistive technology: Tab reaches it, taking the
// focus from the keyboard reports hovered (the "over" look) and losing it
// focusLeft, Enter or Space clicks it, and it reads as a Link with the
// action Press. Labels that only mark (presses, double-clicks) stay out of
// the Tab chain.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

    bool hasClickAction() const;
    // A click from the keyboard or an assistive tool: the press, release
    // and click a left button would report; nothing on a disabled label.
    void activate();
    // Read before the text by assistive technology, for labels whose text
    // alone says little (a cell of a table: its row and column).
    void setSpokenCaption(const QString &caption) { m_spokenCaption = caption; }
    const QString &spokenCaption() const { return m_spokenCaption; }

Q_SIGNALS:
    void hovered();
    void focusLeft();
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked();
    void rightClicked();
    void doubleClicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void connectNotify(const QMetaMethod &signal) override;

private:
    void paintText();

    Qt::MouseButton m_down = Qt::NoButton;
    bool m_focusLook = false; // the focus came from the keyboard: over look shown
    QString m_spokenCaption;
};

// The text assistive technology reads for a caption: the blanks that only
// space out Chinese characters ("职 业") are dropped.
QString spokenText(const QString &text);

// Gives a label the looks of its row: the frame look now, the over, pressed
// and released looks on those events; the keyboard focus shows the over
// look, and leaving it the frame look. The frame look is restored by the
// window (resetLooks) when the pointer crosses the frame behind the label.
void wireLook(ClickLabel *label, const LinkLookRow &row);
// Applies the frame look of each row to the window's label of that name.
template <typename Rows>
void resetLooks(QWidget *window, const Rows &rows)
{
    for (const LinkLookRow &row : rows)
        if (auto *label = window->findChild<QLabel *>(row.label.toString()))
            applyLook(label, row.frame);
}

// A window's destructor calls this first: its closing moves the focus away
// from its labels, and their signals must not reach a window whose own part
// is already destroyed.
void disconnectLabelsFrom(QWidget *window);
