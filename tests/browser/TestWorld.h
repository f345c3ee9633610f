#pragma once

#include "Main.h"
#include "MessageRecorder.h"

#include <QColor>
#include <QTemporaryDir>
#include <memory>

class QComboBox;

// One test's world: a data folder in a temporary directory holding a small
// game database (GBK, as the game ships it) and two pictures, a
// configuration file beside it, recorded message boxes and fixed random
// draws. The main window is opened on it by open().
class TestWorld {
public:
    // Own pictures exist for 林风 (red); the ordinary picture is blue.
    static inline const QColor OwnPictureColour{220, 0, 0};
    static inline const QColor OrdinaryPictureColour{0, 0, 220};

    TestWorld();
    ~TestWorld();

    QString dataDir() const { return m_dir.path(); }
    QString configPath() const;
    QString imagesDir() const;

    // The standard database; teams 雷霆队, 风暴队 and 闪电队 under the keys 1, 2 and 7.
    void writeStandardDatabase();
    // Its text, for tests that add to it.
    static QString standardDatabaseText();
    // Any database, written in GBK.
    void writeDatabase(const QString &text);
    void writePicture(const QString &name, const QColor &colour);
    void removePicture(const QString &name);

    // Every following draw comes from this list (then 0).
    void fixDraws(const QList<double> &draws);

    // Opens the main window at (600, 100), room on the left for the portrait;
    // unplaced, it opens where its load puts it.
    Main &open(bool placed = true);
    // The portrait comes up just after the main window's first paint.
    bool waitForPortrait();
    Main &main() { return *m_main; }
    MessageRecorder &messages() { return m_messages; }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_main->findChild<T *>(name);
    }

private:
    QTemporaryDir m_dir;
    MessageRecorder m_messages;
    QList<double> m_draws;
    std::unique_ptr<Main> m_main;
};

// Picks an entry of a drop-down list as a person does: opens the list and
// clicks the entry. Fails the test when the list or the entry isn't there.
bool pickFromList(QComboBox *box, const QString &text);
// Moves the pointer over a widget (no button held).
void moveOver(QWidget *widget);
// Presses and releases a button on a widget, one event at a time.
void pressOn(QWidget *widget, Qt::MouseButton button);
void releaseOn(QWidget *widget, Qt::MouseButton button);
// Clicks a label (or any widget) with the left button.
void clickOn(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
// Whether the portrait window shows a picture of that colour.
bool portraitShows(QWidget *portrait, const QColor &colour);
