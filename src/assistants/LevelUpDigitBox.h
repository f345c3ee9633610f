#pragma once

#include <QLineEdit>

// A text box for a whole number that is typed: printable characters other
// than 0 to 9 are swallowed, from the keyboard (AltGr, which Windows sends as
// Ctrl+Alt, included) and from an input method;
// Backspace, Delete, the arrows and the editing shortcuts work as usual.
// There is no validator: pasted text reaches the box as it is, and whoever
// reads the box reads its leading number. A click selects the whole text.
class LevelUpDigitBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LevelUpDigitBox(QWidget *parent = nullptr);

    // Whether a typed text may go into the box.
    static bool acceptsTyped(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
