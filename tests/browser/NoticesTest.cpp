#include "NoticesTest.h"

#include "LocalHttpServer.h"
#include "OpenPage.h"
#include "ShareWindowOpen.h"
#include "StartUp.h"
#include "TestWorld.h"
#include "Versions.h"

#include <QFile>
#include <QGroupBox>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>

namespace {

const QString Database = QStringLiteral("[数据信息]\r\n数据版本=3.3\r\n变更内容=新增球队“闪电队”。\r\n"
                                        "[所有球队]\r\n球队1=雷霆队\r\n[雷霆队]\r\n");

QByteArray gbk(const QString &text) { return QStringEncoder("GBK").encode(text); }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A world whose configuration holds these versions, as the guide window of
// a returning user leaves it.
void startReturning(TestWorld &world, const QString &sver)
{
    world.writeDatabase(Database);
    writeFile(world.configPath(), gbk(QStringLiteral("[zrv]\r\nfver=3.2\r\nsver=") + sver + QStringLiteral("\r\n")));
    Versions::run().reset();
    StartUp::fixVersions();
}

QString storedSver(const TestWorld &world)
{
    QFile file(world.configPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray text = file.readAll();
    const qsizetype at = text.indexOf("sver=");
    return at < 0 ? QString() : QString::fromLatin1(text.mid(at + 5).split('\r').first());
}

void fadeOutAndExit(Main &main)
{
    main.close();
    for (int i = 0; i < 1000 && main.Timer3->isActive(); ++i)
        main.Timer3_Timer();
}

void pointAtDownloadPage(TestWorld &world, const QUrl &page)
{
    writeFile(world.dataDir() + QStringLiteral("/ZRCendpoints.ini"),
              gbk(QStringLiteral("[pages]\r\ndownload=") + page.toString() + QStringLiteral("\r\nauthor=pages/author.html\r\n")));
}

QByteArray newerPage()
{
    return gbk(QStringLiteral("<title>Hoopra角色助手（Hooprix Character） V3.3 下载 - 游戏工具 - 松涛下载园</title>"));
}

} // namespace

void NoticesTest::dataVersionIsAnnouncedOnceAndNeverAgain()
{
    TestWorld world;
    QList<QStringList> shares;
    setShareWindowOpen([&](const QString &post, const QString &title) { shares.append({post, title}); });
    startReturning(world, QStringLiteral("3.2"));
    Main &main = world.open();
    QVERIFY(main.Timer8->isActive() && main.Timer9->isActive());
    QCOMPARE(main.Timer8->interval(), 3000);
    QCOMPARE(main.Timer9->interval(), 30000);

    main.Timer8_Timer();
    QVERIFY(!main.Timer8->isActive());
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("数据（3.3）变更内容：\r\n\r\n新增球队“闪电队”。")});
    QCOMPARE(shares.size(), 1);
    QCOMPARE(shares.at(0).at(1), QStringLiteral("分享升级 - ZR角色助手"));
    // The caption shows the version just read.
    main.Timer6_Timer();
    main.Timer7_Timer();
    QCOMPARE(world.control<QGroupBox>(QStringLiteral("Frame5"))->title(), QStringLiteral("数据版本 3.3 "));
    fadeOutAndExit(main);
    QCOMPARE(storedSver(world), QStringLiteral("3.3"));

    // The next run: the same database announces nothing.
    world.messages().clear();
    Versions::run().reset();
    StartUp::fixVersions();
    Main &next = world.open();
    next.Timer8_Timer();
    QVERIFY(!next.Timer8->isActive());
    QCOMPARE(world.messages().count(), 0);
    QCOMPARE(shares.size(), 1);
    setShareWindowOpen({});
}

void NoticesTest::exitKeepsTheStoredVersionWhenNoneWasRead()
{
    TestWorld world;
    startReturning(world, QStringLiteral("3.1"));
    Main &main = world.open();
    // Closed before the notice's three seconds were up.
    fadeOutAndExit(main);
    QVERIFY(!main.isVisible());
    QCOMPARE(storedSver(world), QStringLiteral("3.1"));
}

void NoticesTest::newerProgramMinimisesTheMainWindow()
{
    TestWorld world;
    startReturning(world, QStringLiteral("3.3"));
    LocalHttpServer server;
    server.setPage(newerPage());
    pointAtDownloadPage(world, server.url());
    QList<QUrl> opened;
    setPageOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    Main &main = world.open();
    main.Timer9_Timer();
    QVERIFY2(!main.Timer9->isActive(), "the update check would run more than once");
    QVERIFY(QTest::qWaitFor([&] { return world.messages().count() > 0; }, 20000));
    QCOMPARE(world.messages().texts(), QStringList{QStringLiteral("检测到ZR角色助手新版本：V3.3")});
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.at(0).fileName(), QStringLiteral("author.html"));
    QVERIFY2(main.isMinimized(), "the main window stays in front of the author's page");
    setPageOpener({});
}

void NoticesTest::answerAfterTheExitBeganIsDropped()
{
    TestWorld world;
    startReturning(world, QStringLiteral("3.3"));
    LocalHttpServer server;
    server.setPage(newerPage());
    server.setDelayMs(2000);
    pointAtDownloadPage(world, server.url());
    QSignalSpy seen(&server, &LocalHttpServer::requestSeen);
    QSignalSpy left(&server, &LocalHttpServer::clientLeftEarly);
    Main &main = world.open();
    main.Timer9_Timer();
    QVERIFY(seen.wait(10000));
    fadeOutAndExit(main);
    QVERIFY2(left.count() > 0 || left.wait(10000), "the request outlived the exit");
    QCOMPARE(world.messages().count(), 0);
    QVERIFY(!main.isMinimized());
}

void NoticesTest::fadeOutEndsTheNotices()
{
    TestWorld world;
    startReturning(world, QStringLiteral("3.3"));
    LocalHttpServer server;
    server.setPage(newerPage());
    server.setDelayMs(300);
    pointAtDownloadPage(world, server.url());
    QSignalSpy seen(&server, &LocalHttpServer::requestSeen);
    Main &main = world.open();
    main.Timer9_Timer();
    QVERIFY(seen.wait(10000));
    main.close(); // the fade-out begins; the exit routine is still far off
    QVERIFY(main.Timer3->isActive());
    QVERIFY2(!main.Timer8->isActive() && !main.Timer9->isActive(), "a notice still runs during the fade-out");
    // The answer arrives during the fade-out, and is dropped.
    QTest::qWait(800);
    QCOMPARE(world.messages().count(), 0);
    QVERIFY(!main.isMinimized());
}
