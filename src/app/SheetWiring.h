#pragma once

#include <QObject>

class Main;
struct SheetLoad;

// Builds travel on the main window: Ctrl+V (while no text box has the
// focus) and dropped text load a sheet or a post; Ctrl+S saves the
// current build's sheet (only while 复制分享 is enabled); Ctrl+O and a
// dropped file open a saved sheet. Each result is told in a message box.
// A failed load changes nothing; a finished one replaces the build through
// applyPicks, as a player's picks would.
class SheetTransfer : public QObject {
    Q_OBJECT
public:
    explicit SheetTransfer(Main &main);

    void paste();
    void loadText(const QString &text);
    void save();
    void open();
    void openFile(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void replay(const QString &text);

    Main &m_main;
};

void wireSheets(Main &main);
