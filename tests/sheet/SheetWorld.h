#pragma once

#include "BuildEngine.h"
#include "MessageRecorder.h"

#include <QMap>
#include <QTemporaryDir>
#include <QWidget>

// One test's world: a configuration file in a temporary folder, recorded
// message boxes, an engine with three characters of the standard classes,
// and a stand-in for the main window that the comparison window stands
// beside (a plain window; by default at the screen's left, with room to
// its right).
class SheetWorld {
public:
    SheetWorld();
    ~SheetWorld();

    QString dataDir() const { return m_dir.path(); }
    QString configPath() const;
    // Section zrc of the configuration file as it is on disk now, decoded.
    QMap<QString, QString> slotsOnDisk() const;
    // Writes keys of section zrc, as another program (or window) would.
    void store(const QMap<QString, QString> &keys);

    // Chooses a character and answers the wizard's lists in order.
    void build(const QString &name, const QStringList &picks);

    BuildEngine &engine() { return m_engine; }
    QWidget &mainWindow() { return m_main; }
    MessageRecorder &messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    MessageRecorder m_messages;
    BuildEngine m_engine;
    QWidget m_main;
};

// Presses and releases a button on a widget, as a person does.
void clickOn(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
