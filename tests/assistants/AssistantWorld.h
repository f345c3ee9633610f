#pragma once

#include <QTemporaryDir>
#include <QWidget>

// One test's world for the assistant windows: a data folder and a
// configuration file in a temporary directory, and a stand-in for the main
// window, shown, which the windows minimise and restore.
class AssistantWorld {
public:
    AssistantWorld();
    ~AssistantWorld();

    QString configPath() const;
    QString databasePath() const;
    // Files written as the program finds them: GBK text.
    void writeConfig(const QString &text);
    void writeDatabase(const QString &text);
    QString configText() const;

    QWidget &main() { return m_main; }

private:
    QTemporaryDir m_dir;
    QWidget m_main;
};

// Sends the pointer over a widget, no button held.
void moveOver(QWidget *widget);
