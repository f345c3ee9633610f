#include "NoticesTest.h"

#include "FifoTrap.h"
#include "GameDatabase.h"
#include "HttpGet.h"
#include "LocalHttpServer.h"
#include "OpenPage.h"
#include "ShellWorld.h"
#include "StartUp.h"
#include "UpdateCheck.h"
#include "UpgradeNotice.h"
#include "AppPaths.h"
#include "Versions.h"

#include <QStringEncoder>
#include <QTest>

namespace {

QByteArray gbk(const QString &text) { return QStringEncoder("GBK").encode(text); }

QString downloadTitle(const QString &version)
{
    return QStringLiteral("<title>Hoopra角色助手（Hooprix Character） V") + version
           + QStringLiteral(" 下载 - 游戏工具 - 松涛下载园</title>");
}

// Runs the update check to its end; what it did, in order.
QStringList runUpdateCheck(bool browserOpens = true)
{
    QStringList events;
    const MessageBox::Handler recorder = MessageBox::handler();
    setPageOpener([&](const QUrl &url) {
        events.append(QStringLiteral("page ") + url.fileName());
        return browserOpens;
    });
    MessageBox::setHandler([&](const MessageBox::Message &m) {
        events.append(QStringLiteral("message ") + m.text + u' ' + m.title);
        return MessageBox::Answer::Ok;
    });
    QObject receiver;
    bool finished = false;
    UpdateCheck::start(&receiver, [&] { events.append(QStringLiteral("minimise")); }, [&] { finished = true; });
    if (!QTest::qWaitFor([&] { return finished; }, 20000))
        events.append(QStringLiteral("never finished"));
    setPageOpener({});
    MessageBox::setHandler(recorder);
    return events;
}

} // namespace

void NoticesTest::versionTextsHaveTheirTwoForms()
{
    using namespace VersionText;
    const struct {
        VersionNumber v;
        const char *plain;
        const char *oneDecimal;
    } rows[] = {
        {3.2f, "3.2", "3.2"}, {3.0f, "3", "3.0"}, {0.0f, "0", ".0"},  {0.5f, "0.5", ".5"},
        {3.25f, "3.25", "3.3"}, {1.25f, "1.25", "1.3"}, {12.0f, "12", "12.0"},
    };
    for (const auto &row : rows) {
        QCOMPARE(plain(row.v), QString::fromLatin1(row.plain));
        QCOMPARE(oneDecimal(row.v), QString::fromLatin1(row.oneDecimal));
    }
    // Single precision never leaks its binary tail into a text.
    QVERIFY(!plain(VersionNumber(3.2)).contains(QLatin1String("0000")));
    QCOMPARE(read(u"3.20"), 3.2f);
    QCOMPARE(read(u"3.3abc"), 3.3f);
    QCOMPARE(read(u""), 0.0f);
}

void NoticesTest::newDataVersionIsAnnouncedWithMessageThenShare()
{
    ShellWorld world;
    world.writeVersions(QStringLiteral("fver=3.2\r\nsver=3"));
    StartUp::fixVersions();
    GameDatabase database(AppPaths::databasePath());
    QVERIFY2(!upgradeNoticeTick(database), "the notice keeps running after it ran through");
    QCOMPARE(Versions::run().Sver(), 3.1f);
    QVERIFY(Versions::run().sverSet());
    QCOMPARE(world.messages.count(), 1);
    const MessageBox::Message &m = world.messages.messages().at(0);
    QCOMPARE(m.text, QStringLiteral("数据（3.1）变更内容：\r\n\r\n新增角色“林风”。"));
    QCOMPARE(m.title, QStringLiteral("ZR角色助手提示：数据升级成功！"));
    QCOMPARE(m.icon, MessageBox::Icon::Information);
    QCOMPARE(world.shares.size(), 1);
    QCOMPARE(world.shares.at(0).at(0),
             QStringLiteral("OH Yeah！我刚把ZR角色助手数据库升级到V3.1（新增角色“林风”。）了！各位%23Hoopra%23爱好者，"
                            "今天你升级了吗？——特此发微博纪念。 /呲牙（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"));
    QCOMPARE(world.shares.at(0).at(1), QStringLiteral("分享升级 - ZR角色助手"));
}

void NoticesTest::upgradeNoticeWaitsAfterTheTourAndKeepsQuietOtherwise()
{
    {
        // Just after the tour Sver is Fver: the notice waits, tick after tick.
        ShellWorld world;
        StartUp::fixVersions();
        StartUp::recordTourSeen();
        GameDatabase database(AppPaths::databasePath());
        QVERIFY(upgradeNoticeTick(database));
        QVERIFY(upgradeNoticeTick(database));
        QCOMPARE(Versions::run().Sver(), 3.2f);
        QCOMPARE(world.messages.count(), 0);
    }
    {
        // The version announced last time: read, not announced.
        ShellWorld world;
        world.writeVersions(QStringLiteral("fver=3.2\r\nsver=3.1"));
        StartUp::fixVersions();
        QVERIFY(!upgradeNoticeTick(GameDatabase(AppPaths::databasePath())));
        QCOMPARE(Versions::run().Sver(), 3.1f);
        QCOMPARE(world.messages.count(), 0);
        QVERIFY(world.shares.isEmpty());
    }
    // No data version to read (no database, no key, or no number in it):
    // nothing announced, and Sver stays unset so the exit leaves the stored
    // version alone.
    for (const QString &version : {QString(), QStringLiteral("变更内容=无"), QStringLiteral("数据版本=待定"),
                                   QStringLiteral("数据版本=v3.3"), QStringLiteral("数据版本= .")}) {
        ShellWorld world;
        if (version.isNull())
            world.remove(QStringLiteral("ZRCdata.dat"));
        else
            world.writeGbk(QStringLiteral("ZRCdata.dat"), u"[数据信息]\r\n" + version + u"\r\n");
        world.writeVersions(QStringLiteral("fver=3.2\r\nsver=3.1"));
        StartUp::fixVersions();
        QVERIFY(!upgradeNoticeTick(GameDatabase(AppPaths::databasePath())));
        QVERIFY2(world.messages.count() == 0 && world.shares.isEmpty(), qPrintable(version));
        QVERIFY2(!Versions::run().sverSet(), qPrintable(version));
    }
}

void NoticesTest::downloadPagesDecideTheUpdateMessage()
{
    const QString newer = QStringLiteral("message 检测到ZR角色助手新版本：V3.3 ZR角色助手提示：");
    const QStringList announced{newer, QStringLiteral("page author.html"), QStringLiteral("minimise")};
    QByteArray huge = gbk(downloadTitle(QStringLiteral("3.3")));
    huge += QByteArray(5 * 1000 * 1000, 'x');
    QByteArray hugeLate(5 * 1000 * 1000, 'x');
    hugeLate += gbk(downloadTitle(QStringLiteral("3.3")));

    const struct {
        const char *what;
        QByteArray page;
        QStringList events;
    } rows[] = {
        {"a newer version", gbk(QStringLiteral("<html><head>") + downloadTitle(QStringLiteral("3.3"))), announced},
        {"the same version", gbk(downloadTitle(QStringLiteral("3.2"))), {}},
        {"the same version written 3.20", gbk(downloadTitle(QStringLiteral("3.20"))), {}},
        {"an older version", gbk(downloadTitle(QStringLiteral("3.1"))), {}},
        {"no version", gbk(QStringLiteral("<title>松涛下载园</title>")), {}},
        {"a title without its ending", gbk(QStringLiteral("<title>Hoopra角色助手（Hooprix Character） V3.3")), announced},
        {"a UTF-8 page", downloadTitle(QStringLiteral("3.3")).toUtf8(), {}},
        {"5 MB, the title first", huge, announced},
        {"5 MB, the title past the first MiB", hugeLate, {}},
    };
    LocalHttpServer server;
    for (const auto &row : rows) {
        ShellWorld world;
        world.writePages(QStringLiteral("download=") + server.url().toString()
                         + QStringLiteral("\r\nauthor=pages/author.html"));
        server.setPage(row.page);
        const QStringList events = runUpdateCheck();
        QVERIFY2(events == row.events,
                 qPrintable(QString::fromLatin1(row.what) + QStringLiteral(": ") + events.join(QStringLiteral(" | "))));
    }

    {
        // The page among the data files, as the bundled sample has it.
        ShellWorld world;
        world.writeFile(QStringLiteral("download.html"), gbk(downloadTitle(QStringLiteral("3.4"))));
        world.writePages(QStringLiteral("download=download.html\r\nauthor=pages/author.html"));
        QCOMPARE(runUpdateCheck().value(0), QStringLiteral("message 检测到ZR角色助手新版本：V3.4 ZR角色助手提示："));
    }
#ifdef Q_OS_UNIX
    {
        // A FIFO in the page's place: silence at once, and never opened.
        ShellWorld world;
        FifoTrap fifo(world.path(QStringLiteral("download.html")));
        QVERIFY(fifo.ready());
        world.writePages(QStringLiteral("download=download.html\r\nauthor=pages/author.html"));
        QCOMPARE(runUpdateCheck(), QStringList());
        QVERIFY(!fifo.opened());
    }
#endif
    {
        // A server that never answers, a refused connection, no address: silence.
        ShellWorld world;
        LocalHttpServer silent;
        silent.setSilent(true);
        HttpClient::instance().setTimeLimitMs(300);
        world.writePages(QStringLiteral("download=") + silent.url().toString());
        QCOMPARE(runUpdateCheck(), QStringList());
        HttpClient::instance().setTimeLimitMs(HttpClient::TimeLimitMs);
        QCOMPARE(silent.requests(), 1);

        quint16 port = 0;
        {
            LocalHttpServer closed;
            port = closed.serverPort();
        }
        world.writePages(QStringLiteral("download=http://127.0.0.1:%1/").arg(port));
        QCOMPARE(runUpdateCheck(), QStringList());
        world.writePages(QString());
        QCOMPARE(runUpdateCheck(), QStringList());
    }
}

void NoticesTest::updateMessageThenAuthorPageThenMinimise()
{
    ShellWorld world;
    LocalHttpServer server;
    server.setPage(gbk(downloadTitle(QStringLiteral("3.25"))));
    world.writePages(QStringLiteral("download=") + server.url().toString() + QStringLiteral("\r\nauthor=pages/author.html"));
    // The browser does not open: its error, and the window is minimised all the same.
    QCOMPARE(runUpdateCheck(false),
             QStringList({QStringLiteral("message 检测到ZR角色助手新版本：V3.25 ZR角色助手提示："),
                          QStringLiteral("page author.html"), QStringLiteral("message 调用浏览器错误！ 错误："),
                          QStringLiteral("minimise")}));
}
