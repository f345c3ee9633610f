#include "AppPaths.h"
#include "Endpoints.h"
#include "GameDatabase.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An absolute path on every system: "/arg" is relative to the drive on Windows.
QString rooted(QStringView path) { return QDir::rootPath() + path.toString(); }

} // namespace

// The game database and the endpoints file, read as the windows read them.
class GameDataTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_db;
    QByteArray m_bytes;

private Q_SLOTS:
    void initTestCase()
    {
        m_db = m_dir.filePath(QStringLiteral("ZRCdata.dat"));
        m_bytes = gbk(QStringLiteral(
            "[所有球队]\r\n球队1=猛龙\r\n球队2=飞鹰\r\n球队7=野狼\r\n球队8=\r\n"
            "[所有角色]\r\n角色1=普通角色\r\n角色2=张三\r\n角色4=李四\r\n"
            "[猛龙]\r\n角色1=张三\r\n角色3=李四\r\n角色6=王五\r\n"
            "[张三]\r\n球队=猛龙\r\n性别=男\r\n职业=F\r\n推荐职业=\r\n身高=高\r\n"
            "跑动=52\r\n弹跳= 48 \r\n对抗=60\r\n传球=40\r\n运球=41\r\n篮板=55\r\n"
            "盖帽=50\r\n抢断=38\r\n中投=45\r\n三分=30\r\n灌篮=58\r\n近投=50\r\n"
            "特殊=1\r\n特殊跑动=-1.5\r\n特殊弹跳=\r\n特殊近投=2.5\r\n"
            "[李四]\r\n特殊近投=3.5\r\n[王五]\r\n特殊近投=99999999999\r\n"
            "[数据信息]\r\n数据版本=3.2\r\n变更内容=\r\n"));
        writeBytes(m_db, m_bytes);
    }

    void listsSkipGapsAndEmptyNames()
    {
        const GameDatabase db(m_db);
        QCOMPARE(db.teams(), (QStringList{QStringLiteral("猛龙"), QStringLiteral("飞鹰"), QStringLiteral("野狼")}));
        QCOMPARE(db.allCharacters(),
                 (QStringList{QStringLiteral("普通角色"), QStringLiteral("张三"), QStringLiteral("李四")}));
        // Only 角色1 … 角色5 belong to a team.
        QCOMPARE(db.teamMembers(QStringLiteral("猛龙")), (QStringList{QStringLiteral("张三"), QStringLiteral("李四")}));
    }

    void recordAsRead()
    {
        const GameDatabase db(m_db);
        const CharacterRecord r = db.record(QStringLiteral("张三"));
        QCOMPARE(r.name, QStringLiteral("张三"));
        QCOMPARE(r.team, QStringLiteral("猛龙"));
        QCOMPARE(r.gender, QStringLiteral("男"));
        QCOMPARE(r.positionClass, QStringLiteral("F"));
        QCOMPARE(r.recommended, QString());
        QCOMPARE(r.height, QStringLiteral("高"));
        QCOMPARE(r.abilities[0], QStringLiteral("52"));
        QCOMPARE(r.abilities[1], QStringLiteral("48"));
        QCOMPARE(r.abilities[11], QStringLiteral("50"));
        QCOMPARE(r.special, QStringLiteral("1"));
        QCOMPARE(r.specialAdjust[0], -1.5);
        QCOMPARE(r.specialAdjust[1], 0.0);
        QCOMPARE(r.specialAdjust[11], 2.0); // half to even
        QCOMPARE(db.record(QStringLiteral("李四")).specialAdjust[11], 4.0);
        QCOMPARE(db.record(QStringLiteral("王五")).specialAdjust[11], 2147483647.0); // clamped, not undefined
        QCOMPARE(db.value(QStringLiteral("数据信息"), QStringLiteral("数据版本")), QStringLiteral("3.2"));
    }

    void databaseIsByteIdenticalAfterReads()
    {
        ageFile(m_db);
        const QDateTime modified = QFileInfo(m_db).lastModified();
        const GameDatabase db(m_db);
        db.teams();
        db.allCharacters();
        db.record(QStringLiteral("张三")); // has empty values
        db.value(QStringLiteral("数据信息"), QStringLiteral("变更内容"));
        QVERIFY2(readBytes(m_db) == m_bytes, "reading the game database changed it");
        QCOMPARE(QFileInfo(m_db).lastModified(), modified);
    }

    void missingDatabaseReadsEmpty()
    {
        const GameDatabase db(m_dir.filePath(QStringLiteral("none.dat")));
        QVERIFY(!db.exists());
        QVERIFY(db.teams().isEmpty());
        QVERIFY(db.allCharacters().isEmpty());
        const CharacterRecord r = db.record(QStringLiteral("张三"));
        QCOMPARE(r.team, QString());
        QCOMPARE(r.abilities[0], QString());
        QCOMPARE(r.specialAdjust[11], 0.0);
        QVERIFY(!QFileInfo::exists(db.path()));
    }

    void endpoints()
    {
        AppPaths::setDataDir(m_dir.path());
        writeBytes(AppPaths::endpointsPath(), gbk(QStringLiteral(
            "[pages]\r\nannounce_title=pages/公告.html\r\ndownload=http://127.0.0.1:8080/dl\r\n"
            "share=HTTPS://example.invalid/s\r\nauthor=file:///tmp/a.html\r\n"
            "[zones]\r\nzone1=127.0.0.1, 127.0.0.2 ,,127.0.0.3\r\n")));
        QCOMPARE(Endpoints::page(QStringLiteral("announce_title")),
                 QUrl::fromLocalFile(m_dir.path() + QStringLiteral("/pages/公告.html")));
        QCOMPARE(Endpoints::page(QStringLiteral("download")), QUrl(QStringLiteral("http://127.0.0.1:8080/dl")));
        QCOMPARE(Endpoints::page(QStringLiteral("share")), QUrl(QStringLiteral("HTTPS://example.invalid/s")));
        QCOMPARE(Endpoints::page(QStringLiteral("author")), QUrl(QStringLiteral("file:///tmp/a.html")));
        QCOMPARE(Endpoints::page(QStringLiteral("topic")), QUrl());
        QCOMPARE(Endpoints::zone(1), (QStringList{QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.2"),
                                                  QStringLiteral("127.0.0.3")}));
        QVERIFY(Endpoints::zone(4).isEmpty());
        QCOMPARE(Endpoints::resolve(rooted(u"abs/p.html"), rooted(u"data")), QUrl::fromLocalFile(rooted(u"abs/p.html")));
    }

    void pathOptions()
    {
        qputenv("ZRC_DATA_DIR", rooted(u"env/data").toUtf8());
        qputenv("ZRC_CONFIG", rooted(u"env/cfg.ini").toUtf8());
        AppPaths::init({QStringLiteral("zrc"), QStringLiteral("--unknown"), QStringLiteral("--data-dir"),
                        rooted(u"arg/data")});
        QCOMPARE(AppPaths::dataDir(), rooted(u"arg/data"));  // option wins
        QCOMPARE(AppPaths::configPath(), rooted(u"env/cfg.ini")); // then environment
        QCOMPARE(AppPaths::legacyConfigPath(), QString());
        QCOMPARE(AppPaths::databasePath(), rooted(u"arg/data/ZRCdata.dat"));
        QCOMPARE(AppPaths::imagesDir(), rooted(u"arg/data/ZRCimages"));
        QCOMPARE(AppPaths::readmePath(), rooted(u"arg/data/说明文档.txt"));
        AppPaths::init({QStringLiteral("zrc"), QStringLiteral("--config=") + rooted(u"arg/c.ini")});
        QCOMPARE(AppPaths::configPath(), rooted(u"arg/c.ini"));
        QCOMPARE(AppPaths::dataDir(), rooted(u"env/data"));
        qunsetenv("ZRC_DATA_DIR");
        qunsetenv("ZRC_CONFIG");
        AppPaths::init({});
        QCOMPARE(AppPaths::dataDir(), QCoreApplication::applicationDirPath());
        QVERIFY(AppPaths::configPath().endsWith(QStringLiteral("/ZRCconfig.ini")));
    }

    // Without an option: the program's folder when it holds the database,
    // else the installed share folder beside it, else the program's folder.
    void dataFolderWithoutOption()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString shared = root.filePath(QStringLiteral("share/zrc"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(AppPaths::findDataDir(QString(), bin), bin);

        QVERIFY(QDir().mkpath(shared));
        QCOMPARE(AppPaths::findDataDir(QString(), bin), shared);

        writeBytes(bin + QStringLiteral("/ZRCdata.dat"), QByteArray());
        QCOMPARE(AppPaths::findDataDir(QString(), bin), bin); // a copied folder wins

        QCOMPARE(AppPaths::findDataDir(rooted(u"opt/data/"), bin), rooted(u"opt/data"));
        QCOMPARE(AppPaths::findDataDir(QStringLiteral("rel/../d"), bin), QDir::current().absoluteFilePath(QStringLiteral("d")));
    }
};

QObject *newGameDataTest() { return new GameDataTest; }

#include "GameDataTest.moc"
