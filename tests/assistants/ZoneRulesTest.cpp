#include "ZoneRulesTest.h"

#include "ZoneFakes.h"
#include "ZoneMeasure.h"
#include "ZoneRating.h"
#include "ZoneSheet.h"

#include <QTest>

void ZoneRulesTest::ratingBands_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("bgr");
    // Edges of every band, and the two latencies no band of the design held.
    QTest::newRow("0 ms, as good as it gets") << 0 << "（超棒）" << 0x008000u;
    QTest::newRow("9") << 9 << "（超棒）" << 0x008000u;
    QTest::newRow("10") << 10 << "（很棒）" << 0x00C000u;
    QTest::newRow("19") << 19 << "（很棒）" << 0x00C000u;
    QTest::newRow("20") << 20 << "（一般）" << 0x0C5440u;
    QTest::newRow("29") << 29 << "（一般）" << 0x0C5440u;
    QTest::newRow("30") << 30 << "（微卡）" << 0x008080u;
    QTest::newRow("39") << 39 << "（微卡）" << 0x008080u;
    QTest::newRow("40") << 40 << "（稍卡）" << 0x00C0C0u;
    QTest::newRow("49") << 49 << "（稍卡）" << 0x00C0C0u;
    QTest::newRow("50") << 50 << "（较卡）" << 0x008080u;
    QTest::newRow("59") << 59 << "（较卡）" << 0x008080u;
    QTest::newRow("60") << 60 << "（很卡）" << 0x0080FFu;
    QTest::newRow("69") << 69 << "（很卡）" << 0x0080FFu;
    QTest::newRow("70, between the bands") << 70 << "（很卡）" << 0x0080FFu;
    QTest::newRow("79, between the bands") << 79 << "（很卡）" << 0x0080FFu;
    QTest::newRow("80") << 80 << "（暴卡）" << 0x0000FFu;
    QTest::newRow("1000") << 1000 << "（暴卡）" << 0x0000FFu;
    QTest::newRow("1001, no answer") << 1001 << "（阻塞）" << 0x0000FFu;
}

void ZoneRulesTest::ratingBands()
{
    QFETCH(int, ms);
    QFETCH(QString, text);
    QFETCH(quint32, bgr);
    const Rating r = rate(ms);
    QCOMPARE(r.text.toString(), text);
    QCOMPARE(r.bgr, bgr);
}

void ZoneRulesTest::addresses()
{
    const auto bytes = [](const char *text) {
        const auto a = mPing::parseAddress(QString::fromLatin1(text));
        QByteArray b;
        if (a)
            b = QByteArray(reinterpret_cast<const char *>(&*a), 4);
        return b;
    };
    // Network byte order: the first part in the lowest byte.
    QCOMPARE(bytes("127.0.0.1"), QByteArray("\x7f\x00\x00\x01", 4));
    QCOMPARE(bytes("10.20.30.255"), QByteArray("\x0a\x14\x1e\xff", 4));
    // Names are never looked up; anything but four parts of 0 to 255 is no address.
    for (const char *bad : {"localhost", "game.example", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.-4",
                            " 1.2.3.4", "1.2.3.4 ", "1..3.4", "1.2.3.0x4", "1234.1.1.1", ""})
        QVERIFY2(!mPing::parseAddress(QString::fromLatin1(bad)), bad);
}

void ZoneRulesTest::passesTakeTheBestServer_data()
{
    QTest::addColumn<QStringList>("servers");
    QTest::addColumn<QList<QList<int>>>("answers"); // per server
    QTest::addColumn<QList<int>>("passes");
    QTest::addColumn<int>("latency");
    QTest::addColumn<int>("echoes");

    const QList<int> tenth{12, 15, 9, 11, 10, 10, 13, 11, 12, 12}; // 11.5 to the even 12
    QTest::newRow("one server, 11.5 rounds to 12")
        << QStringList{"127.0.0.1"} << QList<QList<int>>{tenth} << tenth << 12 << 10;
    QTest::newRow("12.5 rounds to 12")
        << QStringList{"127.0.0.1"} << QList<QList<int>>{{12, 12, 12, 12, 12, 13}}
        << QList<int>{12, 12, 12, 12, 12, 13, 13, 13, 13, 13} << 12 << 10;
    QTest::newRow("a dead server and one at 30")
        << QStringList{"127.0.0.1", "127.0.0.2"} << QList<QList<int>>{{-1}, {30}} << QList<int>(10, 30) << 30 << 20;
    QTest::newRow("the smaller of two, pass by pass")
        << QStringList{"127.0.0.1", "127.0.0.2"} << QList<QList<int>>{{20, 5}, {10}}
        << QList<int>{10, 5, 5, 5, 5, 5, 5, 5, 5, 5} << 6 << 20;
    QTest::newRow("never answers")
        << QStringList{"127.0.0.1"} << QList<QList<int>>{{-1}} << QList<int>(10, 1001) << 1001 << 10;
    QTest::newRow("names and bad entries fail without an echo")
        << QStringList{"game.example", "127.0.0.2", "1.2.3"} << QList<QList<int>>{{}, {40}, {}}
        << QList<int>(10, 40) << 40 << 10;
    QTest::newRow("only a name") << QStringList{"game.example"} << QList<QList<int>>{{}} << QList<int>(10, 1001)
                                 << 1001 << 0;
    QTest::newRow("no servers") << QStringList{} << QList<QList<int>>{} << QList<int>(10, 1001) << 1001 << 0;
}

void ZoneRulesTest::passesTakeTheBestServer()
{
    QFETCH(QStringList, servers);
    QFETCH(QList<QList<int>>, answers);
    ScriptedEcho echo;
    for (int i = 0; i < servers.size(); ++i)
        if (mPing::parseAddress(servers[i]))
            echo.script(servers[i], answers[i]);
    const std::atomic<bool> stop{false};
    const ZoneOutcome outcome = measureZone(echo, servers, stop);
    QVERIFY(outcome.permitted);
    QTEST(outcome.passValues, "passes");
    QTEST(outcome.latency, "latency");
    QTEST(echo.echoes(), "echoes");
}

void ZoneRulesTest::refusalAndStopEndTheZoneAtOnce()
{
    ScriptedEcho refusing;
    refusing.refuseEverything();
    const std::atomic<bool> go{false};
    const ZoneOutcome refused = measureZone(refusing, {"127.0.0.1", "127.0.0.2"}, go);
    QVERIFY(!refused.permitted);
    QCOMPARE(refused.reason, QStringLiteral("不允许"));
    QCOMPARE(refusing.echoes(), 1);

    ScriptedEcho answering;
    std::atomic<bool> stop{false};
    answering.setBeforeEcho([&] { stop = true; }); // asked to stop during the first echo
    const ZoneOutcome stopped = measureZone(answering, {"127.0.0.1", "127.0.0.2"}, stop);
    QVERIFY(stopped.stopped);
    QCOMPARE(answering.echoes(), 1);
}

void ZoneRulesTest::verdict_data()
{
    QTest::addColumn<QList<int>>("latencies");
    QTest::addColumn<QString>("text");
    QTest::newRow("all above 80") << QList<int>{81, 90, 1001, 85} << "本次测试结果：当前网络不适合玩Hoopra！";
    QTest::newRow("exactly 80 still names the zone")
        << QList<int>{90, 80, 81, 1001} << "本次测试结果：当前网络适合玩【赤岩球场】";
    QTest::newRow("zones 2 and 4 tied: the last") << QList<int>{50, 20, 30, 20}
                                                   << "本次测试结果：当前网络适合玩【黑曜球场】";
    QTest::newRow("the first zone best") << QList<int>{0, 1, 2, 3} << "本次测试结果：当前网络适合玩【青石球场】";
}

void ZoneRulesTest::verdict()
{
    QFETCH(QList<int>, latencies);
    QTEST(::verdict({latencies[0], latencies[1], latencies[2], latencies[3]}), "text");
}

void ZoneRulesTest::sheetAndPost()
{
    ZoneCaptions c;
    for (int i = 0; i < ZoneCount; ++i)
        c.rows[i] = {Zones[i].caption.toString(), QString::number(10 * (i + 1)) + u"ms", rate(10 * (i + 1)).text.toString()};
    c.verdict = ::verdict({10, 20, 30, 40});
    c.location = QStringLiteral("本机回环地址");

    QCOMPARE(resultSheet(c, QStringLiteral("3.2"), QStringLiteral("pages/author.html")),
             QStringLiteral("我[本机回环地址]PINGHoopra服务器的状况：\r\n"
                            "-----------------\r\n"
                            "1、青石球场（华东电信）→ 10ms（很棒）\r\n"
                            "2、赤岩球场（西南电信）→ 20ms（一般）\r\n"
                            "3、白沙球场（东北网通）→ 30ms（微卡）\r\n"
                            "4、黑曜球场（华北网通）→ 40ms（稍卡）\r\n"
                            "-----------------\r\n"
                            "★本次测试结果：当前网络适合玩【青石球场】\r\n"
                            "-----------------\r\n"
                            "由【ZR角色助手(V3.2)-选区助手】测试\r\n"
                            "作者微博【pages/author.html】"));
    QCOMPARE(postText(c, QStringLiteral("3.2")),
             QStringLiteral("我[本机回环地址]PING%23Hoopra%23服务器的状况："
                            "1、青石球场（华东电信）→ 10ms（很棒）2、赤岩球场（西南电信）→ 20ms（一般）"
                            "3、白沙球场（东北网通）→ 30ms（微卡）4、黑曜球场（华北网通）→ 40ms（稍卡）"
                            "（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"));
}
