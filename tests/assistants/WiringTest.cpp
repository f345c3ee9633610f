#include "WiringTest.h"

#include "AssistantWiring.h"
#include "AssistantWorld.h"
#include "ClickLabel.h"
#include "ComparisonWiring.h"
#include "Main.h"
#include "MessageRecorder.h"
#include "PortraitWindow.h"
#include "WindowList.h"
#include "ZoneWiring.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

QList<QWidget *> shown(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            found.append(w);
    return found;
}

} // namespace

void WiringTest::toolLinksOpenOneModelessWindowEach()
{
    AssistantWorld world;
    MessageRecorder messages;
    {
        Main main;
        wireAssistants(main);
        main.show();
        for (const char *link : {"L_SJzs", "L_JNzs"}) {
            auto *label = main.findChild<ClickLabel *>(QLatin1String(link));
            QTest::mouseClick(label, Qt::LeftButton);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        for (const char *window : {"SJzs", "JNzs"}) {
            const QList<QWidget *> windows = shown(QLatin1String(window));
            QCOMPARE(windows.size(), 1);
            QCOMPARE(windows.first()->windowModality(), Qt::NonModal);
        }
        QVERIFY(main.isMinimized());
        // Each window restores the main window when it closes.
        shown(QStringLiteral("SJzs")).first()->close();
        QVERIFY(!main.isMinimized());
        shown(QStringLiteral("JNzs")).first()->close();
        QVERIFY(shown(QStringLiteral("JNzs")).isEmpty());
        // Opened again: the same window, minimising the main window again.
        QTest::mouseClick(main.findChild<ClickLabel *>(QStringLiteral("L_SJzs")), Qt::LeftButton);
        QCOMPARE(shown(QStringLiteral("SJzs")).size(), 1);
        QVERIFY(main.isMinimized());
        // The program ends with it open and changed: its inputs are saved all the same.
        auto *experience = shown(QStringLiteral("SJzs")).first()->findChild<QLineEdit *>(QStringLiteral("Text_Srjy"));
        QVERIFY(experience);
        experience->setText(QStringLiteral("1234"));
        WindowList::closeAllNewestFirst();
        const QString saved = world.configText();
        QVERIFY2(saved.contains(QStringLiteral("\nexp=1234\r\n")) && saved.contains(QStringLiteral("\nspeed=2000\r\n")),
                 qPrintable(saved));
    }
    // Gone with the main window.
    QVERIFY(QApplication::topLevelWidgets().size() <= 1);
}

namespace {

// The main window with every link that opens a window wired, as the program has it.
struct WiredMain {
    Main main;
    WiredMain()
    {
        wireAssistants(main);
        wireZonePing(main);
        wireComparison(main);
        main.show();
    }
    void click(const char *link) { QTest::mouseClick(main.findChild<ClickLabel *>(QLatin1String(link)), Qt::LeftButton); }
};

} // namespace

void WiringTest::everyLinkBringsItsWindowBack()
{
    qputenv("ZRC_NO_WEBENGINE", "1");
    AssistantWorld world;
    MessageRecorder messages;
    WiredMain wired;
    const std::pair<const char *, const char *> links[] = {
        {"L_SJzs", "SJzs"}, {"L_JNzs", "JNzs"}, {"L_XQzs", "XQzs"}, {"L_GG", "JQgg"}, {"Label_NLDB", "Nldb"}};
    for (const auto &[link, name] : links) {
        wired.click(link);
        QList<QWidget *> windows = shown(QLatin1String(name));
        QVERIFY2(windows.size() == 1, link);
        windows.first()->showMinimized();
        wired.click(link);
        QVERIFY2(shown(QLatin1String(name)) == windows && !windows.first()->isMinimized(), link);
        windows.first()->close();
    }
    // The portrait's link works once the portrait is closed; minimised, it
    // comes back restored.
    PortraitWindow *portrait = wired.main.portrait();
    portrait->showMinimized();
    portrait->close();
    wired.click("Label_XSTX");
    QVERIFY(portrait->isVisible() && !portrait->isMinimized());
    qunsetenv("ZRC_NO_WEBENGINE");
}

void WiringTest::exitLeavesTheMainWindowMinimised()
{
    // The assistants restore the main window when they close, but not when
    // the exit routine closes them.
    AssistantWorld world;
    MessageRecorder messages;
    WiredMain wired;
    for (const char *link : {"L_SJzs", "L_JNzs", "L_XQzs"})
        wired.click(link);
    QVERIFY(wired.main.isMinimized());
    wired.main.close();
    for (int i = 0; i < 1000 && wired.main.Timer3->isActive(); ++i)
        wired.main.Timer3_Timer();
    QVERIFY(!wired.main.isVisible());
    QVERIFY(shown(QStringLiteral("SJzs")).isEmpty() && shown(QStringLiteral("XQzs")).isEmpty());
    QVERIFY2(wired.main.isMinimized(), "an assistant brought the main window back during the exit");
}
