#include "FadeTest.h"

#include "Fade.h"
#include "WindowList.h"

#include <QCloseEvent>
#include <QTest>
#include <QWidget>

void FadeTest::fadeInTakes49TicksTo255()
{
    Fade fade;
    fade.begin();
    QCOMPARE(fade.level(), 10);
    QCOMPARE(fade.opacity(), 0.0);  // the main window opens fully transparent
    QVERIFY(fade.fadingIn());
    int ticks = 0;
    while (fade.fadeInTick())
        ++ticks;
    ++ticks;  // the tick that stopped it
    QCOMPARE(ticks, 49);
    QCOMPARE(fade.level(), 255);
    QCOMPARE(fade.opacity(), 1.0);
    QVERIFY(!fade.fadingIn());
    QVERIFY2(!fade.fadeInTick() && fade.level() == 255, "the main window grew past opaque");
}

void FadeTest::fadeOutTakes49TicksThenTheExitRuns()
{
    Fade fade;
    fade.begin();
    while (fade.fadeInTick()) {
    }
    QVERIFY(!fade.requestClose());
    QCOMPARE(fade.level(), 255);
    QVERIFY(fade.fadingOut());
    int ticks = 1;
    while (!fade.fadeOutTick()) {
        ++ticks;
        QVERIFY2(ticks <= 49, "the main window never finished fading out");
    }
    QCOMPARE(ticks, 49);
    QCOMPARE(fade.level(), 10);
    QVERIFY(fade.closed());
    QVERIFY(!fade.fadingOut());
    QVERIFY2(!fade.fadeOutTick(), "the exit routine would run twice");
}

void FadeTest::closeDuringFadeInStopsItAndKeepsTheLevelInRange()
{
    Fade fade;
    fade.begin();
    for (int i = 0; i < 20; ++i)
        fade.fadeInTick();
    QVERIFY(!fade.requestClose());
    QVERIFY(!fade.fadingIn());
    QCOMPARE(fade.level(), 255);
    // Both timers may still deliver ticks in any order.
    bool exited = false;
    for (int i = 0; i < 200 && !exited; ++i) {
        fade.fadeInTick();
        exited = fade.fadeOutTick();
        QVERIFY2(fade.level() >= 0 && fade.level() <= 255, "the fade level left 0 … 255");
    }
    QVERIFY(exited);
    QCOMPARE(fade.level(), 10);
}

void FadeTest::closingIsRefusedUntilTheFadeOutEnds()
{
    Fade fade;
    fade.begin();
    QVERIFY(!fade.requestClose());
    for (int i = 0; i < 10; ++i)
        fade.fadeOutTick();
    // A second close restarts the fade-out from opaque.
    QVERIFY(!fade.requestClose());
    QCOMPARE(fade.level(), 255);
    while (!fade.fadeOutTick()) {
    }
    QVERIFY2(fade.requestClose(), "the main window refuses to close after its fade-out");
    QCOMPARE(fade.level(), 10);
}

namespace {

class RecordingWindow : public QWidget {
public:
    RecordingWindow(const QString &name, QStringList *log) : m_log(log) { setObjectName(name); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_log->append(objectName());
        event->accept();
    }

private:
    QStringList *m_log;
};

} // namespace

void FadeTest::windowsCloseNewestFirst()
{
    WindowList::clear();
    QStringList closed;
    RecordingWindow main(QStringLiteral("Main"), &closed);
    RecordingWindow portrait(QStringLiteral("XsTx"), &closed);
    RecordingWindow share(QStringLiteral("WbFx"), &closed);
    auto *gone = new RecordingWindow(QStringLiteral("gone"), &closed);
    WindowList::opened(&main);
    WindowList::opened(&portrait);
    WindowList::opened(gone);
    WindowList::opened(&share);
    WindowList::opened(&portrait);  // shown again: now the newest
    delete gone;

    WindowList::closeAllNewestFirst();
    QCOMPARE(closed, QStringList({"XsTx", "WbFx", "Main"}));
    WindowList::clear();
}
