#pragma once

#include <QObject>
#include <QPointer>

class BuildEngine;
class ComparisonWindow;
class QWidget;

// The comparison window and its second instance. The default window exists
// once: opened by the main window's link, created anew after each closing
// (it loads the slots as last stored). Its link `Zj` opens a second window
// beside it; while both are open the link is disabled on both, and the
// closing of either enables it again on the default window. There are never
// more than two windows.
class ComparisonWindows : public QObject {
    Q_OBJECT
public:
    static inline const QString SecondTitle = QStringLiteral("能力对比㈡ - ZR角色助手 ");

    ComparisonWindows(const BuildEngine &engine, QWidget *mainWindow, QObject *parent = nullptr);
    ~ComparisonWindows() override;

    // Shows the default window, without modality, creating it when needed.
    ComparisonWindow *open();

    ComparisonWindow *defaultWindow() const;
    ComparisonWindow *secondWindow() const;

    // Closes the open windows, which store their slots (the program ends).
    void closeAll();

private:
    ComparisonWindow *create();
    void Zj_Click(ComparisonWindow *from);
    void unloaded(ComparisonWindow *window);

    const BuildEngine &m_engine;
    QPointer<QWidget> m_mainWindow;
    QPointer<ComparisonWindow> m_default;
    QPointer<ComparisonWindow> m_second;
};
