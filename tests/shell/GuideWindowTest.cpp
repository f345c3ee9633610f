#include "GuideWindowTest.h"

#include "ClickLabel.h"
#include "GuideWindow.h"
#include "ShellWorld.h"
#include "Units.h"
#include "Versions.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString DatabaseMissing = QStringLiteral(
    "软件目录下缺失数据库文件“ZRCdata.dat”！请检查！\r\n★特别提示：请勿直接在WinRAR里运行本程序！");

// Counts the times a widget was shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// A guide whose main window is a counter, and what it showed.
struct Guide {
    int mainShown = 0;
    GuideWindow window{[this] { ++mainShown; }};
    ShowCounter counter;
    Guide() { window.installEventFilter(&counter); }

    template <typename T = QWidget>
    T *control(const char *name) { return window.findChild<T *>(QLatin1String(name)); }
    // The one picture on show, or null.
    QString pictureShown()
    {
        QString shown;
        for (const char *name : {"Picture1", "Picture2", "Picture3"})
            if (control(name)->isVisible())
                shown += QLatin1String(name);
        return shown;
    }
};

QSize readmeWindowSize()
{
    return QSize(twipsToPixels(GuideWindow::TextWidthTwips + 240), twipsToPixels(GuideWindow::TextHeightTwips + 240));
}

} // namespace

void GuideWindowTest::firstRunTourReadmeStartAndShare()
{
    ShellWorld world;
    Guide guide;
    guide.window.Form_Load();

    QVERIFY2(guide.window.isVisible(), "a first run shows no guide");
    QCOMPARE(guide.window.windowTitle(), QStringLiteral("引导页 - ZR角色助手"));
    QCOMPARE(guide.mainShown, 0);
    QCOMPARE(world.stored(QStringLiteral("fver")), QStringLiteral("1.0"));
    QCOMPARE(world.messages.count(), 0);
    QCOMPARE(Versions::run().Fver(), 3.2f);
    QCOMPARE(Versions::run().Sver0(), 0.0f);

    // Each picture in turn, the window exactly its size and in the middle of the screen.
    const QRect screen = guide.window.screen()->geometry();
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("Picture%1").arg(i + 1);
        QCOMPARE(guide.pictureShown(), name);
        QCOMPARE(guide.window.size(), ShellWorld::PictureSizes[i]);
        QVERIFY2(qAbs(guide.window.frameGeometry().center().x() - screen.center().x()) <= 1
                     && qAbs(guide.window.frameGeometry().center().y() - screen.center().y()) <= 1,
                 "the guide is not centred on the screen");
        QVERIFY2(world.stored(QStringLiteral("sver")).isNull(), "versions were written before the tour ended");
        QTest::mouseClick(guide.control(qPrintable(name)), Qt::LeftButton);
    }

    // The readme, read as GBK; the versions written.
    auto *text = guide.control<QPlainTextEdit>("Text1");
    QCOMPARE(guide.pictureShown(), QString());
    QVERIFY(text->isVisible());
    QCOMPARE(text->toPlainText(), QString(ShellWorld::ReadmeText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(guide.window.size(), readmeWindowSize());
    QCOMPARE(world.stored(QStringLiteral("fver")), QStringLiteral("3.2"));
    QCOMPARE(world.stored(QStringLiteral("sver")), QStringLiteral("3.2"));
    QCOMPARE(Versions::run().Sver(), 3.2f);

    // The start button three seconds later.
    auto *start = guide.control<QPushButton>("Command1");
    QVERIFY2(!start->isVisible(), "the start button shows before its three seconds");
    QVERIFY(guide.window.Timer2->isActive());
    QCOMPARE(guide.window.Timer2->interval(), 3000);
    guide.window.Timer2_Timer();
    QVERIFY(!guide.window.Timer2->isActive());
    QVERIFY(start->isVisible());
    QCOMPARE(start->text(), QStringLiteral("开始体验"));

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!guide.window.isVisible());
    QCOMPARE(guide.mainShown, 1);
    QCOMPARE(world.shares.size(), 1);
    QCOMPARE(world.shares.at(0).at(0),
             QStringLiteral("OH Yeah！我刚把ZR角色助手升级到华丽丽的V3.2了！各位%23Hoopra%23爱好者，今天你升级了吗？"
                            "——特此发微博以见证：哥是不是第一个升级到最新版本的？同时也小小地纪念一下这个美好的日子~ "
                            "/呲牙（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"));
    QCOMPARE(world.shares.at(0).at(1), QStringLiteral("分享软件 - ZR角色助手"));
    QCOMPARE(world.messages.count(), 0);
}

void GuideWindowTest::returningUserNeverSeesTheGuide()
{
    ShellWorld world;
    // Written by an older release: the version as 3.20, the key with a capital.
    world.writeVersions(QStringLiteral("fver=3.20\r\nSver=3.1"));
    Guide guide;
    guide.window.Form_Load();
    QCOMPARE(guide.mainShown, 1);
    QCOMPARE(guide.counter.shows, 0);
    QVERIFY(!guide.window.touring());
    QVERIFY2(!guide.window.Text1, "a returning user's start-up builds the tour's controls");
    QCOMPARE(Versions::run().Sver0(), 3.1f);
    QVERIFY2(!Versions::run().sverSet(), "the data version counts as read before the notice read it");
    QCOMPARE(world.stored(QStringLiteral("fver")), QStringLiteral("3.20"));
    QCOMPARE(world.messages.count(), 0);
}

void GuideWindowTest::otherOrUnreadableStoredVersionsShowTheTour()
{
    for (const QString &lines : {QStringLiteral("fver=3.1"), QStringLiteral("fver=abc"), QStringLiteral("fver=3.2beta"),
                                 QStringLiteral("sver=3.1"), QStringLiteral("fver=")}) {
        ShellWorld world;
        world.writeVersions(lines);
        Guide guide;
        guide.window.Form_Load();
        QVERIFY2(guide.window.isVisible() && guide.mainShown == 0, qPrintable(lines + QStringLiteral(": no tour")));
        QCOMPARE(guide.pictureShown(), QStringLiteral("Picture1"));
        guide.window.close();
    }
}

void GuideWindowTest::withoutItsFirstPictureTheTourIsSkippedAndOfferedAgain()
{
    for (bool garbled : {false, true}) {
        ShellWorld world;
        if (garbled)
            world.writeFile(QStringLiteral("ZRCimages/New1.jpg"), "not a picture");
        else
            world.remove(QStringLiteral("ZRCimages/New1.jpg"));
        Guide guide;
        guide.window.Form_Load();
        QCOMPARE(guide.mainShown, 1);
        QCOMPARE(guide.counter.shows, 0);
        // Not seen, so offered again on the next run.
        QCOMPARE(world.stored(QStringLiteral("fver")), QStringLiteral("1.0"));
        QVERIFY(!Versions::run().sverSet());
    }
}

void GuideWindowTest::unreadableLaterPicturesAreSteppedPast()
{
    ShellWorld world;
    world.writeFile(QStringLiteral("ZRCimages/New2.jpg"), QByteArray(100, '\xff'));
    Guide guide;
    guide.window.Form_Load();
    QTest::mouseClick(guide.control("Picture1"), Qt::LeftButton);
    QCOMPARE(guide.pictureShown(), QStringLiteral("Picture3"));
    QCOMPARE(guide.window.size(), ShellWorld::PictureSizes[2]);

    ShellWorld second;
    second.remove(QStringLiteral("ZRCimages/New2.jpg"));
    second.remove(QStringLiteral("ZRCimages/New3.jpg"));
    Guide again;
    again.window.Form_Load();
    QTest::mouseClick(again.control("Picture1"), Qt::LeftButton);
    QCOMPARE(again.pictureShown(), QString());
    QVERIFY2(again.control("Text1")->isVisible(), "the window is left empty after the first picture");
    QCOMPARE(again.window.size(), readmeWindowSize());
    QCOMPARE(second.stored(QStringLiteral("fver")), QStringLiteral("3.2"));
}

void GuideWindowTest::missingDatabaseWarnsAndStartUpGoesOn()
{
    for (bool returning : {false, true}) {
        ShellWorld world;
        world.remove(QStringLiteral("ZRCdata.dat"));
        if (returning)
            world.writeVersions(QStringLiteral("fver=3.2"));
        Guide guide;
        guide.window.Form_Load();
        QCOMPARE(world.messages.count(), 1);
        const MessageBox::Message &m = world.messages.messages().at(0);
        QCOMPARE(m.text, DatabaseMissing);
        QCOMPARE(m.title, QStringLiteral("角色助手将无法正常运行啦："));
        QCOMPARE(m.icon, MessageBox::Icon::Warning);
        // The warning stops nothing.
        QCOMPARE(guide.mainShown, returning ? 1 : 0);
        QCOMPARE(guide.window.isVisible(), !returning);
        QCOMPARE(world.stored(QStringLiteral("fver")), returning ? QStringLiteral("3.2") : QStringLiteral("1.0"));
        guide.window.close();
    }
}

void GuideWindowTest::missingReadmeIsSaidInTheTextBox()
{
    ShellWorld world;
    world.remove(QStringLiteral("说明文档.txt"));
    Guide guide;
    guide.window.Form_Load();
    for (const char *name : {"Picture1", "Picture2", "Picture3"})
        QTest::mouseClick(guide.control(name), Qt::LeftButton);
    QCOMPARE(guide.control<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("《说明文档》丢失！"));
    QVERIFY(guide.window.Timer2->isActive());
    guide.window.close();
}

// A FIFO where the database, a tour picture or the readme should be would
// block start-up for good if it were opened: each counts as missing.
void GuideWindowTest::fifosInPlaceOfFilesCountAsMissing()
{
#ifdef Q_OS_UNIX
    ShellWorld world;
    for (const QString &name : {QStringLiteral("ZRCdata.dat"), QStringLiteral("ZRCimages/New3.jpg"),
                               QStringLiteral("说明文档.txt")}) {
        world.remove(name);
        QVERIFY(::mkfifo(QFile::encodeName(world.path(name)).constData(), 0600) == 0);
    }
    Guide guide;
    guide.window.Form_Load();
    QCOMPARE(world.messages.count(), 1);
    QCOMPARE(world.messages.messages().at(0).text, DatabaseMissing);
    QTest::mouseClick(guide.control("Picture1"), Qt::LeftButton);
    QTest::mouseClick(guide.control("Picture2"), Qt::LeftButton);
    QVERIFY2(guide.control("Text1")->isVisible(), "the tour stopped at a FIFO in the third picture's place");
    QCOMPARE(guide.control<QPlainTextEdit>("Text1")->toPlainText(), QStringLiteral("《说明文档》丢失！"));
    guide.window.close();
#else
    QSKIP("FIFOs are a Unix thing");
#endif
}

void GuideWindowTest::closingTheGuideDuringTheTourLeavesNoWindow()
{
    ShellWorld world;
    Guide guide;
    guide.window.Form_Load();
    QTest::mouseClick(guide.control("Picture1"), Qt::LeftButton);
    QVERIFY(guide.window.close());
    // With no window on screen the program ends; the tour comes again next time.
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName() + QStringLiteral(" is still on screen")));
    QCOMPARE(guide.mainShown, 0);
    QCOMPARE(world.stored(QStringLiteral("fver")), QStringLiteral("1.0"));
    QVERIFY(world.shares.isEmpty());
}
