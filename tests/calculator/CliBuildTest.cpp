#include "CliBuildTest.h"

#include "CliRun.h"
#include "SavedBuildsTest.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = CliRun;

Run cli(const QStringList &args)
{
    return runCli(QStringList{QStringLiteral("build"), QStringLiteral("--data-dir"), QStringLiteral(ZRC_TEST_SAMPLE_DIR)}
                  + args);
}

QJsonObject savedBuild(const QString &name)
{
    QFile f(QStringLiteral(ZRC_TEST_SOURCE_DIR "/builds/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

} // namespace

void CliBuildTest::savedBuildAsJson()
{
    const QJsonObject build = savedBuild(QStringLiteral("sample_own_heights_guard.json"));
    QStringList args{QStringLiteral("--json"), build[u"character"].toString()};
    for (const QJsonValue &p : build[u"picks"].toArray())
        args.append(p.toString());
    const Run r = cli(args);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QJsonParseError error;
    const QJsonObject state = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(r.out));
    const QStringList mismatches = compareState(build[u"expect"], state, QStringLiteral("zrc-cli"));
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(u'\n')));
    QCOMPARE(state[u"lists"].toObject().size(), 25);
    QCOMPARE(state[u"labels"].toObject().size(), 5);
    QCOMPARE(state[u"markers"].toArray().size(), 13);
    QCOMPARE(state[u"lists"][u"Jiaqiangbao1"][u"items"].toArray().size(), 5);
}

void CliBuildTest::closedListOrUnknownItemStops()
{
    Run r = cli({QStringLiteral("--json"), QStringLiteral("陆星河"), QStringLiteral("ZYe=PG"), QStringLiteral("Xlian=训练Ⅰ")});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, QStringLiteral("zrc-cli build: Xlian 未开放，先选 Dji（等级）\n"));
    // A closed list names the list the build waits for, not the closed list's items.
    r = cli({QStringLiteral("普通角色"), QStringLiteral("ZYe=G"), QStringLiteral("Dji=11级"), QStringLiteral("Xlian=训练Ⅰ")});
    QCOMPARE(r.err, QStringLiteral("zrc-cli build: Xlian 未开放，先选 Sgao（身高）\n"));
    r = cli({QStringLiteral("普通角色"), QStringLiteral("Dji=11级")});
    QCOMPARE(r.err, QStringLiteral("zrc-cli build: Dji 未开放，先选 ZYe（职业）\n"));

    r = cli({QStringLiteral("陆星河"), QStringLiteral("ZYe=PG"), QStringLiteral("Dji=1级")});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err.count(u'\n'), 1);
    QVERIFY2(r.err.contains(u"Dji") && r.err.contains(u"16级, 31级, 45级, 50级"), qPrintable(r.err));

    r = cli({QStringLiteral("陆星河"), QStringLiteral("Hair=跑动龙头")});
    QCOMPARE(r.status, 2);
}

void CliBuildTest::missingDatabaseIsNamed()
{
    // Every command that reads the database names it when it cannot be read.
    const QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ZRCdata.dat"))); // a folder in its place
    // Absolute on every system, and spelled as zrc-cli prints it: with the
    // system's separators, a backslash doubled.
    const QString none = QDir::rootPath() + QStringLiteral("nonexistent");
    const auto shown = [](const QString &path) { return QDir::toNativeSeparators(path).replace(u'\\', QStringLiteral("\\\\")); };
    const struct {
        QStringList args;
        QString says;
    } cases[] = {
        {{QStringLiteral("build"), QStringLiteral("--data-dir"), none, QStringLiteral("普通角色")},
         u"zrc-cli build: 无法读取游戏数据库 " + shown(none + u"/ZRCdata.dat") + u"：找不到文件\n"},
        {{QStringLiteral("sheet"), QStringLiteral("--data-dir"), dir.path(), QStringLiteral("普通角色")},
         u"zrc-cli sheet: 无法读取游戏数据库 " + shown(dir.path() + u"/ZRCdata.dat") + u"：不是普通文件（管道、设备、套接字或文件夹）\n"},
        {{QStringLiteral("best"), QStringLiteral("--data-dir"), none, QStringLiteral("陆星河"),
          QStringLiteral("--maximise"), QStringLiteral("三分")},
         u"zrc-cli best: 无法读取游戏数据库 " + shown(none + u"/ZRCdata.dat") + u"：找不到文件\n"},
        {{QStringLiteral("card"), QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--out"),
          dir.filePath(QStringLiteral("c.png")), QStringLiteral("普通角色")},
         u"zrc-cli card: 无法读取游戏数据库 " + shown(dir.path() + u"/ZRCdata.dat") + u"：不是普通文件（管道、设备、套接字或文件夹）\n"},
    };
    for (const auto &c : cases) {
        const CliRun r = runCli(c.args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, c.says);
    }
    const CliRun check = runCli({QStringLiteral("db"), QStringLiteral("check"), QStringLiteral("--data-dir"), none});
    QCOMPARE(check.status, 1);
    QVERIFY2(check.out.startsWith(shown(none + u"/ZRCdata.dat") + u": 错误: 找不到文件"), "db check names the database");
}

void CliBuildTest::unknownCharacterStops()
{
    Run r = cli({QStringLiteral("--json"), QStringLiteral("无此人")});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err.count(u'\n'), 1);

    QTemporaryDir empty;
    r = runCli({QStringLiteral("build"), QStringLiteral("--data-dir"), empty.path(), QStringLiteral("陆星河")});
    QCOMPARE(r.status, 2);
}

void CliBuildTest::refusalIsReportedAndReplayGoesOn()
{
    QStringList args{QStringLiteral("--json"), QStringLiteral("陆星河")};
    for (const char *p : {"ZYe=G", "Dji=1级", "Xlian=无训练", "Vip=无VIP", "Youxie1=不选择", "Wuxie=不选择",
                          "Shangyi1=不选择", "Xiayi1=不选择", "Xiezi1=不选择", "Jiaqiangbao1=不选择",
                          "Xinshouzhuang=不选择", "Faxing=三分龙头", "Toubeibu=三分角", "Toubeibu=灌篮角"})
        args.append(QString::fromUtf8(p));
    const Run r = cli(args);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains(u"无法再叠加相同能力！请重新选择！"), qPrintable(r.err));
    const QJsonObject state = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(state[u"refused"].toInt(), 1);
    QCOMPARE(state[u"lists"][u"Toubeibu"][u"text"].toString(), QStringLiteral("灌篮角"));
    QCOMPARE(state[u"focus"].toString(), QStringLiteral("Shoujianbu"));
}

void CliBuildTest::readableTable()
{
    const Run r = cli({QStringLiteral("陆星河"), QStringLiteral("ZYe=PG"), QStringLiteral("Dji=16级")});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(u"陆星河") && r.out.contains(u"跑动") && r.out.contains(u"综合"), qPrintable(r.out));
}
