#include "WiringTest.h"

#include "AssistantWiring.h"
#include "AssistantWorld.h"
#include "ClickLabel.h"
#include "Main.h"
#include "MessageRecorder.h"
#include "WindowList.h"

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
