#include "ZoneWindowTest.h"

#include "AppPaths.h"
#include "FifoTrap.h"
#include "MessageRecorder.h"
#include "ShareWindowOpen.h"
#include "ShownAsWritten.h"
#include "ZoneAddress.h"
#include "ZoneFakes.h"
#include "ZoneWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QStringEncoder>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace {

std::shared_ptr<ScriptedEcho> g_echo;
std::unique_ptr<QTemporaryDir> g_dir;

// Zone n (1 to 4) gets the servers 127.0.0.(10n+1) …, each answering the given list.
void zones(const QList<QList<QList<int>>> &perZone)
{
    QStringList lists;
    for (int z = 0; z < perZone.size(); ++z) {
        QStringList servers;
        for (int s = 0; s < perZone[z].size(); ++s) {
            const QString address = QStringLiteral("127.0.0.%1").arg(10 * (z + 1) + s + 1);
            servers << address;
            g_echo->script(address, perZone[z][s]);
        }
        lists << servers.join(u',');
    }
    QVERIFY(writeEndpoints(*g_dir, lists));
}

QLabel *child(XQzs &w, const char *name)
{
    return w.findChild<QLabel *>(QString::fromLatin1(name));
}

QColor colourOf(QLabel *label) { return label->palette().color(QPalette::WindowText); }

// Clicks 开始测试 and runs the sequence, each timer's tick called at once;
// `afterTick` looks at the window while the zone is being measured.
bool measureAll(XQzs &w, const std::function<void(int)> &afterTick = {})
{
    QSignalSpy shown(&w, &XQzs::zoneShown);
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("cmdPing")), Qt::LeftButton);
    static constexpr std::array<void (XQzs::*)(), ZoneCount> ticks{&XQzs::Timer1_Timer, &XQzs::Timer2_Timer,
                                                                   &XQzs::Timer3_Timer, &XQzs::Timer4_Timer};
    for (int zone = 1; zone <= ZoneCount; ++zone) {
        // Only this zone's timer runs.
        for (int i = 0; i < ZoneCount; ++i)
            if (w.zoneTimers[i]->isActive() != (i == zone - 1))
                return false;
        (w.*ticks[zone - 1])();
        if (afterTick)
            afterTick(zone);
        if (!shown.wait(5000) || shown.last().at(0).toInt() != zone)
            return false;
    }
    return true;
}

} // namespace

void ZoneWindowTest::init()
{
    g_echo = std::make_shared<ScriptedEcho>();
    mPing::setBackend(g_echo);
    g_dir = std::make_unique<QTemporaryDir>();
    AppPaths::setDataDir(g_dir->path());
}

void ZoneWindowTest::cleanup()
{
    mPing::setBackend(nullptr);
    g_echo.reset();
    g_dir.reset();
}

void ZoneWindowTest::measuresZoneByZone()
{
    zones({{{12, 15, 9, 11, 10, 10, 13, 11, 12, 12}},
           {{-1}, {30}},
           {{-1}, {-1}},
           {{75}}});
    MessageRecorder messages;
    QWidget main;
    main.show();
    XQzs w(&main);
    w.show();
    QVERIFY(main.isMinimized());
    QVERIFY(w.Timer5->isActive());

    QVERIFY(measureAll(w, [&](int zone) {
        QVERIFY(!w.cmdPing->isEnabled() && !w.cmdFenxiang->isEnabled());
        QCOMPARE(w.cmdPing->text(), QStringLiteral("测试中…"));
        QCOMPARE(w.JG->text(), QStringLiteral("本次测试结果：（测试中…）"));
        QCOMPARE(w.ZT[zone - 1]->text(), QStringLiteral("（测试中…）"));
        if (zone < ZoneCount) {
            QCOMPARE(w.JGn[zone]->text(), QStringLiteral("? ms"));
            QCOMPARE(colourOf(w.JGn[zone]), QColor(128, 128, 128));
        }
    }));
    struct Expect { const char *latency; const char *rating; QColor colour; };
    const Expect expect[] = {{"12ms", "（很棒）", QColor(0, 192, 0)},
                             {"30ms", "（微卡）", QColor(128, 128, 0)},
                             {"1001ms", "（阻塞）", QColor(255, 0, 0)},
                             {"75ms", "（很卡）", QColor(255, 128, 0)}};
    for (int i = 0; i < ZoneCount; ++i) {
        QLabel *latency = w.JGn[i];
        QLabel *rating = w.ZT[i];
        QCOMPARE(latency->text(), QString::fromUtf8(expect[i].latency));
        QCOMPARE(rating->text(), QString::fromUtf8(expect[i].rating));
        QCOMPARE(colourOf(latency), expect[i].colour);
        QCOMPARE(colourOf(rating), expect[i].colour);
        // The rating follows the latency's text, however wide it is.
        QCOMPARE(rating->x(), latency->x() + latency->width());
        QVERIFY(latency->width() >= latency->sizeHint().width());
    }
    QCOMPARE(w.JG->text(), QStringLiteral("本次测试结果：当前网络适合玩【青石球场】"));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().last().title, QStringLiteral("测试完毕！"));
    QCOMPARE(messages.messages().last().text, w.JG->text());
    QVERIFY(w.cmdPing->isEnabled());
    QCOMPARE(w.cmdPing->text(), QStringLiteral("开始测试"));
    QVERIFY(w.cmdFenxiang->isEnabled());
    QCOMPARE(w.state(), XQzs::State::Measured);
    for (QTimer *t : w.zoneTimers)
        QVERIFY(!t->isActive());

    w.close();
    QVERIFY(!main.isMinimized());
}

void ZoneWindowTest::verdictOnScreen_data()
{
    QTest::addColumn<QList<int>>("ms");
    QTest::addColumn<QString>("verdict");
    // Read back from the latency labels, 1001ms included.
    QTest::newRow("all above 80") << QList<int>{81, 200, -1, 95} << "本次测试结果：当前网络不适合玩Hoopra！";
    QTest::newRow("zones 2 and 4 tied") << QList<int>{40, 20, 60, 20} << "本次测试结果：当前网络适合玩【黑曜球场】";
}

void ZoneWindowTest::verdictOnScreen()
{
    QFETCH(QList<int>, ms);
    zones({{{ms[0]}}, {{ms[1]}}, {{ms[2]}}, {{ms[3]}}});
    MessageRecorder messages;
    XQzs w;
    w.show();
    QVERIFY(measureAll(w));
    QTEST(w.JG->text(), "verdict");
    QCOMPARE(messages.texts(), QStringList{w.JG->text()});
}

void ZoneWindowTest::shareWaitsForAResultAndCopiesIt()
{
    zones({{{5}}, {{15}}, {{25}}, {{1000}}});
    QStringEncoder gbk("GBK"); // the page's code page
    PageServer gbkServer(gbk.encode(QStringLiteral("<center>您的IP是：[127.0.0.9] 来自：本机（测试）</center>")));
    QVERIFY(writeEndpoints(*g_dir, {"127.0.0.11", "127.0.0.21", "127.0.0.31", "127.0.0.41"},
                           "address_lookup=" + gbkServer.url() + "\r\n"));
    QStringList shared;
    setShareWindowOpen([&](const QString &post, const QString &title) { shared << post << title; });
    MessageRecorder messages;
    XQzs w;
    w.show();
    QVERIFY(!w.cmdFenxiang->isEnabled());
    QSignalSpy address(&w, &XQzs::addressShown);
    w.Timer5_Timer();
    QVERIFY(address.wait(5000));

    QTest::mouseClick(w.cmdPing, Qt::LeftButton);
    QVERIFY(!w.cmdFenxiang->isEnabled());
    w.Timer1_Timer();
    QSignalSpy shown(&w, &XQzs::zoneShown);
    QVERIFY(shown.wait(5000));
    QVERIFY(!w.cmdFenxiang->isEnabled()); // one zone is not a result
    w.Timer2_Timer();
    QVERIFY(shown.wait(5000));
    w.Timer3_Timer();
    QVERIFY(shown.wait(5000));
    w.Timer4_Timer();
    QVERIFY(shown.wait(5000));
    QVERIFY(w.cmdFenxiang->isEnabled());
    messages.clear();

    QTest::mouseClick(w.cmdFenxiang, Qt::LeftButton);
    const QStringList sheet = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(sheet.size(), 11);
    QCOMPARE(sheet[0], QStringLiteral("我[本机（测试）]PINGHoopra服务器的状况："));
    QCOMPARE(sheet[2], QStringLiteral("1、青石球场（华东电信）→ 5ms（超棒）"));
    QCOMPARE(sheet[5], QStringLiteral("4、黑曜球场（华北网通）→ 1000ms（暴卡）"));
    QCOMPARE(sheet[7], QStringLiteral("★本次测试结果：当前网络适合玩【青石球场】"));
    QCOMPARE(sheet[9], QStringLiteral("由【ZR角色助手(V3.2)-选区助手】测试"));
    QCOMPARE(sheet[10], QStringLiteral("作者微博【pages/author.html】"));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().title, QStringLiteral("ZR角色助手-选区助手提示："));
    QCOMPARE(shared.size(), 2);
    QVERIFY(shared[0].startsWith(QStringLiteral("我[本机（测试）]PING%23Hoopra%23服务器的状况：1、青石球场")));
    QVERIFY(shared[0].endsWith(QStringLiteral("（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）")));
    QCOMPARE(shared[1], QStringLiteral("分享我的网络状况 - ZR角色助手"));
    setShareWindowOpen({});
}

void ZoneWindowTest::closingMidMeasurementWritesNothing()
{
    zones({{{10}, {10}}, {{10}}, {{10}}, {{10}}});
    QSemaphore entered, release;
    g_echo->setBeforeEcho([&] {
        entered.release();
        release.acquire();
    });
    MessageRecorder messages;
    QWidget main;
    main.show();
    XQzs w(&main);
    w.show();
    QTest::mouseClick(w.cmdPing, Qt::LeftButton);
    w.Timer1_Timer();
    QVERIFY(entered.tryAcquire(1, 5000)); // the worker is in its first echo
    QVERIFY(w.isVisible()); // and the window answers meanwhile
    QTest::mouseClick(w.cmdHelp, Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().title, QStringLiteral("选区帮助 - ZR角色助手："));
    messages.clear();

    w.close();
    QVERIFY(!main.isMinimized());
    release.release(100); // let the worker go: it stops after this echo
    w.pinger().waitForWorker();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(g_echo->echoes(), 1);
    QCOMPARE(child(w, "ZT1")->text(), QStringLiteral("（测试中…）")); // nothing written after closing
    QCOMPARE(messages.count(), 0);
    for (QTimer *t : {w.Timer1, w.Timer2, w.Timer3, w.Timer4, w.Timer5})
        QVERIFY(!t->isActive());

    // Opening again starts from the design texts.
    w.show();
    QVERIFY(main.isMinimized());
    QCOMPARE(child(w, "ZT1")->text(), QStringLiteral("（待测）"));
    QCOMPARE(child(w, "JG1")->text(), QStringLiteral("? ms"));
    QCOMPARE(w.JG->text(), QStringLiteral("本次测试结果：（待测）"));
    QCOMPARE(w.IPDZ1->text(), QStringLiteral("网络读取中..."));
    QVERIFY(w.cmdPing->isEnabled() && !w.cmdFenxiang->isEnabled());
    QVERIFY(w.Timer5->isActive());
    g_echo->setBeforeEcho({});
}

void ZoneWindowTest::refusedEchoesReturnToIdle()
{
    zones({{{10}}, {{10}}, {{10}}, {{10}}});
    g_echo->refuseEverything();
    MessageRecorder messages;
    XQzs w;
    w.show();
    QTest::mouseClick(w.cmdPing, Qt::LeftButton);
    w.Timer1_Timer();
    QTRY_COMPARE_WITH_TIMEOUT(w.state(), XQzs::State::Idle, 5000);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.messages().first().text, QStringLiteral("不允许"));
    QCOMPARE(messages.messages().first().icon, MessageBox::Icon::Warning);
    // Not "1001ms（阻塞）": nothing was measured.
    QCOMPARE(child(w, "JG1")->text(), QStringLiteral("? ms"));
    QCOMPARE(child(w, "ZT1")->text(), QStringLiteral("（待测）"));
    QCOMPARE(w.JG->text(), QStringLiteral("本次测试结果：（待测）"));
    QVERIFY(w.cmdPing->isEnabled());
    QCOMPARE(w.cmdPing->text(), QStringLiteral("开始测试"));
    QVERIFY(!w.cmdFenxiang->isEnabled());
    for (QTimer *t : w.zoneTimers)
        QVERIFY(!t->isActive());
    QCOMPARE(g_echo->echoes(), 1);
}

void ZoneWindowTest::platformNoticesShownOncePerZone()
{
    // Twenty echoes raising the same notices: one box each per zone, not
    // twenty, and the measurement goes on. A notice that is no warning shows
    // without an icon.
    zones({{{10}, {12}}, {{20}}, {{30}}, {{40}}});
    const QString notice = QStringLiteral("Windows Sockets error 10093 occurred in Cleanup.");
    const QString plain = QStringLiteral("Windows Sockets for 32 bit Windows environments is not successfully responding.");
    g_echo->raiseWithEveryEcho(notice);
    g_echo->raiseWithEveryEcho(plain, false);
    MessageRecorder messages;
    XQzs w;
    w.show();
    QVERIFY(measureAll(w));
    QStringList expected;
    for (int zone = 1; zone <= ZoneCount; ++zone)
        expected << notice << plain;
    QCOMPARE(messages.texts(), expected << w.JG->text());
    QCOMPARE(messages.messages().at(0).icon, MessageBox::Icon::Warning);
    QCOMPARE(messages.messages().at(1).icon, MessageBox::Icon::None);
    QCOMPARE(w.JGn[0]->text(), QStringLiteral("10ms"));
}

void ZoneWindowTest::addressLookedUpOncePerOpening()
{
    QStringEncoder gbk("GBK");
    PageServer server(gbk.encode(QStringLiteral("<html><center>您的IP是：[127.0.0.7] 来自：某省某市 电信</center></html>")));
    QVERIFY(writeEndpoints(*g_dir, {}, "address_lookup=" + server.url() + "\r\n"));
    XQzs w;
    QSignalSpy shown(&w, &XQzs::addressShown);
    for (int opening = 1; opening <= 2; ++opening) {
        w.show();
        QCOMPARE(w.IPDZ2->text(), QStringLiteral("IP获取中..."));
        QVERIFY(shown.wait(5000)); // Timer5's own tick, a second after opening
        QVERIFY(!w.Timer5->isActive());
        QCOMPARE(w.IPDZ1->text(), QStringLiteral("某省某市 电信"));
        QCOMPARE(w.IPDZ2->text(), QStringLiteral("[127.0.0.7]"));
        w.close();
    }
    QCOMPARE(server.requests, 2);
}

void ZoneWindowTest::pageTextShownAsWritten()
{
    // Anyone on the path can send the page: markup in it naming a FIFO as a
    // picture must show as characters, and the FIFO is never opened.
    FifoTrap trap;
    QVERIFY(trap.ready());
    QStringEncoder gbk("GBK");
    PageServer server(gbk.encode(u"<center>您的IP是：[" + trap.markup() + u"] 来自：" + trap.markup(QStringLiteral(" 本地"))
                                 + u"</center>"));
    QVERIFY(writeEndpoints(*g_dir, {}, "address_lookup=" + server.url() + "\r\n"));
    XQzs w;
    QSignalSpy shown(&w, &XQzs::addressShown);
    w.show();
    QVERIFY(shown.wait(5000));
    QVERIFY(shownAsWritten(w.IPDZ1, trap.markup(QStringLiteral(" 本地"))));
    QVERIFY(shownAsWritten(w.IPDZ2, u'[' + trap.markup() + u']'));
    QVERIFY2(!trap.opened(), "the window loaded the picture the page names");
}

void ZoneWindowTest::addressLookupFailures_data()
{
    QTest::addColumn<QString>("page"); // empty: no server listening
    QTest::newRow("no markers") << "<html><body>维护中</body></html>";
    QTest::newRow("no location end") << "[127.0.0.1] 来自：某地";
    QTest::newRow("no address") << "<center>来自：某地</center>";
    QTest::newRow("no closing bracket") << "<center>]您的IP是：[127.0.0.1 来自：某地</center>";
    QTest::newRow("no server") << "";
}

void ZoneWindowTest::addressLookupFailures()
{
    QFETCH(QString, page);
    QStringEncoder gbk("GBK");
    PageServer server(gbk.encode(page));
    QByteArray url = server.url();
    if (page.isEmpty())
        server.close(); // the port is free again: the connection is refused
    QVERIFY(writeEndpoints(*g_dir, {}, "address_lookup=" + url + "\r\n"));
    QObject receiver;
    std::optional<PublicAddress> got;
    lookUpPublicAddress(&receiver, [&](const PublicAddress &a) { got = a; });
    QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 11000);
    QCOMPARE(got->location, QStringLiteral("未知网络"));
    QCOMPARE(got->address, QStringLiteral("[未知IP]"));
}

void ZoneWindowTest::addressPageThatIsAFifoFailsAtOnce()
{
#ifdef Q_OS_UNIX
    FifoTrap fifo(g_dir->filePath(QStringLiteral("address.html")));
    QVERIFY(fifo.ready());
    QVERIFY(writeEndpoints(*g_dir, {}, "address_lookup=address.html\r\n"));
    QObject receiver;
    std::optional<PublicAddress> got;
    lookUpPublicAddress(&receiver, [&](const PublicAddress &a) { got = a; });
    QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 2000);
    QCOMPARE(got->address, QStringLiteral("[未知IP]"));
    QVERIFY(!fifo.opened());
#else
    QSKIP("FIFOs are a Unix thing");
#endif
}
