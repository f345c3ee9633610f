// The bundled sample is what a player sees on first start and what other
// tests lean on, so its files are read back here byte by byte, the way the
// program reads them (GBK, CR LF, INI layout), without the program's own code.
#include "data/Abilities.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString DataDir = QStringLiteral(ZRC_TEST_SAMPLE_DIR);
const QStringList Positions{u"C"_qs, u"PF"_qs, u"SF"_qs, u"SG"_qs, u"PG"_qs};
const QStringList SkillDetailKeys{u"必备指数"_qs, u"类型"_qs, u"职业"_qs, u"等级"_qs,
                                  u"价格"_qs, u"触发条件"_qs, u"其他说明"_qs};
// Characters shipped without a picture so that the fallback picture shows (see sample/README.md).
const QSet<QString> NoPicture{u"卓一鸣"_qs, u"严守中"_qs};

QByteArray readBytes(const QString &relative)
{
    QFile file(DataDir + u'/' + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString decodeGbk(const QByteArray &bytes, bool *ok = nullptr)
{
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError() && QStringEncoder("GBK").encode(text) == bytes;
    return text;
}

// Section and key names match without regard to case, as in the program.
struct Ini {
    QHash<QString, QHash<QString, QString>> sections;
    QStringList duplicates;

    static Ini parse(const QString &text)
    {
        Ini ini;
        QString current;
        for (const QString &raw : text.split(u"\r\n"_qs)) {
            const QString line = raw.trimmed();
            if (line.startsWith(u'[') && line.endsWith(u']')) {
                current = line.mid(1, line.size() - 2).trimmed().toCaseFolded();
                if (ini.sections.contains(current))
                    ini.duplicates.append(current);
                ini.sections[current];
            } else if (line.contains(u'=') && !line.startsWith(u';')) {
                ini.sections[current].insert(line.section(u'=', 0, 0).trimmed().toCaseFolded(),
                                             line.section(u'=', 1).trimmed());
            }
        }
        return ini;
    }
    bool has(const QString &section) const { return sections.contains(section.toCaseFolded()); }
    QString value(const QString &section, const QString &key) const
    {
        return sections.value(section.toCaseFolded()).value(key.toCaseFolded());
    }
    // The non-empty values of prefix1 … prefixN, in key order.
    QStringList list(const QString &section, const QString &prefix, int last) const
    {
        QStringList names;
        for (int n = 1; n <= last; ++n)
            if (const QString v = value(section, prefix + QString::number(n)); !v.isEmpty())
                names.append(v);
        return names;
    }
};

} // namespace

class SampleTest : public QObject {
    Q_OBJECT

    Ini db;
    QStringList teams, characters;

private Q_SLOTS:
    void initTestCase()
    {
        db = Ini::parse(decodeGbk(readBytes(u"ZRCdata.dat"_qs)));
        teams = db.list(u"所有球队"_qs, u"球队"_qs, 25);
        characters = db.list(u"所有角色"_qs, u"角色"_qs, 60);
        QVERIFY2(!teams.isEmpty() && !characters.isEmpty(), "the sample database lists no teams or characters");
    }

    void textFilesAreGbkWithCrLf_data()
    {
        QTest::addColumn<QString>("file");
        for (const char16_t *f : {u"ZRCdata.dat", u"说明文档.txt", u"ZRCendpoints.ini"})
            QTest::newRow(QString::fromUtf16(f).toUtf8()) << QString::fromUtf16(f);
        for (const QString &page : QDir(DataDir + u"/pages"_qs).entryList({u"*.html"_qs}))
            QTest::newRow(page.toUtf8()) << u"pages/"_qs + page;
    }
    void textFilesAreGbkWithCrLf()
    {
        QFETCH(QString, file);
        const QByteArray bytes = readBytes(file);
        QVERIFY2(!bytes.isEmpty(), qPrintable(file + u" is missing from the data folder"_qs));
        bool ok = false;
        decodeGbk(bytes, &ok);
        QVERIFY2(ok, qPrintable(file + u" is not clean GBK: the program would show garbled text"_qs));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const bool badLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
            const bool badCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
            QVERIFY2(!badLf && !badCr, qPrintable(file + u" has a line end other than CR LF"_qs));
        }
    }

    void namesAreUniqueAcrossSections()
    {
        QVERIFY2(db.duplicates.isEmpty(),
                 qPrintable(u"sections named twice, one would hide the other: "_qs + db.duplicates.join(u", ")));
        QSet<QString> seen;
        for (const QStringList &names : {teams, characters})
            for (const QString &name : names) {
                QVERIFY2(!seen.contains(name), qPrintable(name + u" is listed twice or is both a team and a character"_qs));
                seen.insert(name);
            }
        QCOMPARE(characters.size(), 40);
        QVERIFY2(characters.contains(u"普通角色"), "普通角色 is missing from the all-characters list");
    }

    void teamsListMembersWithRecords()
    {
        QVERIFY(teams.size() >= 8);
        bool ordinaryInTeam = false, smallTeam = false;
        QSet<QString> inTeams;
        for (const QString &team : teams) {
            QVERIFY2(db.has(team), qPrintable(u"team "_qs + team + u" has no section: its member list would be empty"_qs));
            const QStringList members = db.list(team, u"角色"_qs, 5);
            QVERIFY2(!members.isEmpty(), qPrintable(u"team "_qs + team + u" has no members"_qs));
            smallTeam |= members.size() < 5;
            for (const QString &m : members) {
                QVERIFY2(characters.contains(m) && db.has(m),
                         qPrintable(m + u" of team "_qs + team + u" has no record or is not in the all-characters list"_qs));
                if (m == u"普通角色")
                    ordinaryInTeam = true;
                else
                    QVERIFY2(db.value(m, u"球队"_qs) == team,
                             qPrintable(m + u" is in team "_qs + team + u" but its record names another team"_qs));
                inTeams.insert(m);
            }
        }
        QVERIFY2(ordinaryInTeam, "no team lists 普通角色, so the look-around never meets it");
        QVERIFY(smallTeam);
        QVERIFY2(inTeams.size() < characters.size(), "every character is in a team; none is teamless");
    }

    void charactersHaveCompleteRecords()
    {
        const QHash<QString, int> reference{{u"G"_qs, 280}, {u"F"_qs, 280}, {u"可选择"_qs, 280}, {u"C"_qs, 290}};
        QSet<QString> classes;
        for (const QString &name : characters) {
            const QString cls = db.value(name, u"职业"_qs);
            QVERIFY2(reference.contains(cls), qPrintable(name + u" has the class \""_qs + cls + u"\""_qs));
            classes.insert(cls);
            for (const char16_t *key : {u"球队", u"性别", u"身高"})
                QVERIFY2(!db.value(name, QString::fromUtf16(key)).isEmpty(),
                         qPrintable(name + u" shows an empty "_qs + QString::fromUtf16(key)));
            int total = 0;
            for (const AbilityInfo &a : Abilities) {
                bool whole = false;
                const int v = db.value(name, a.name.toString()).toInt(&whole);
                QVERIFY2(whole && v >= 0 && v < 100,
                         qPrintable(name + u"'s "_qs + a.name.toString() + u" is not a plausible whole number"_qs));
                total += v;
            }
            QVERIFY2(qAbs(total - reference[cls]) <= 20,
                     qPrintable(name + u"'s total "_qs + QString::number(total) + u" is far from its class"_qs));
        }
        QCOMPARE(classes.size(), 4);
    }

    // sample/README.md promises these cases; other tests and manual checks use them.
    void documentedCasesArePresent()
    {
        auto is = [&](const char16_t *name, const char16_t *key, const char16_t *value) {
            return db.value(QString::fromUtf16(name), QString::fromUtf16(key)) == QString::fromUtf16(value);
        };
        QVERIFY(is(u"林晓风", u"职业", u"G") && is(u"林晓风", u"运球", u"35"));
        QVERIFY(is(u"苏明阳", u"职业", u"G") && is(u"苏明阳", u"运球", u"45"));
        QVERIFY(is(u"陆星河", u"特殊", u"1") && is(u"陆星河", u"特殊篮板", u"-2") && is(u"陆星河", u"特殊中投", u"1.5")
                && is(u"陆星河", u"特殊近投", u"2.5") && is(u"陆星河", u"身高", u"偏矮"));
        QVERIFY(is(u"秦朗月", u"特殊", u"1"));
        for (const AbilityInfo &a : Abilities)
            QVERIFY2(db.value(u"秦朗月"_qs, u"特殊"_qs + a.name.toString()).isEmpty(), "秦朗月 should have no adjustments");
        QVERIFY(is(u"方子谦", u"推荐职业", u"") && is(u"魏长风", u"推荐职业", u""));
        QVERIFY(is(u"许青岚", u"身高", u"可设置") && is(u"普通角色", u"身高", u"可设置"));
        QVERIFY(is(u"夏云舟", u"身高", u"185cm"));
        QVERIFY(is(u"数据信息", u"数据版本", u"3.1") && !db.value(u"数据信息"_qs, u"变更内容"_qs).isEmpty());
    }

    void recommendationListsMatchRecords()
    {
        for (const QString &position : Positions)
            for (const QString &name : db.list(u"角色"_qs + position, u"角色"_qs, 20))
                QVERIFY2(db.has(name) && db.value(name, u"推荐职业"_qs) == position,
                         qPrintable(name + u" is listed for "_qs + position + u" but its record recommends otherwise"_qs));
    }

    void skillsHaveAllDetails()
    {
        for (const QString &position : Positions) {
            const QStringList skills = db.list(position, u"技能"_qs, 35);
            const QStringList moves = db.list(position, u"花式动作"_qs, 35);
            QVERIFY2(skills.size() >= 10 && moves.size() >= 6, qPrintable(position + u" lists too few skills or moves"_qs));
            for (const QString &name : skills + moves)
                for (const QString &key : SkillDetailKeys)
                    QVERIFY2(!db.value(name, key).isEmpty(),
                             qPrintable(u"the skills window would show an empty "_qs + key + u" for "_qs + name));
        }
    }

    void valuesFitTheReader()
    {
        QStringEncoder gbk("GBK");
        for (const auto &section : std::as_const(db.sections))
            for (const QString &value : section)
                QVERIFY2(QByteArray(gbk.encode(value)).size() <= 143, qPrintable(value + u" would be cut short by the reader"_qs));
    }

    void endpointsStayOnThisMachine()
    {
        const Ini endpoints = Ini::parse(decodeGbk(readBytes(u"ZRCendpoints.ini"_qs)));
        for (const char16_t *key : {u"announce_title", u"announce_notice", u"download", u"share", u"author",
                                    u"user_search", u"topic", u"address_lookup"}) {
            const QString value = endpoints.value(u"pages"_qs, QString::fromUtf16(key));
            QVERIFY2(!value.isEmpty(), qPrintable(u"page "_qs + QString::fromUtf16(key) + u" has no address"_qs));
            if (value.startsWith(u"http"))
                QVERIFY2(QUrl(value).host().startsWith(u"127."), qPrintable(value + u" leaves the machine"_qs));
            else
                QVERIFY2(QFile::exists(DataDir + u'/' + value), qPrintable(value + u" is not shipped with the sample"_qs));
        }
        const int sizes[] = {5, 4, 4, 3};
        for (int zone = 1; zone <= 4; ++zone) {
            const QStringList hosts = endpoints.value(u"zones"_qs, u"zone"_qs + QString::number(zone)).split(u',');
            QCOMPARE(hosts.size(), sizes[zone - 1]);
            for (const QString &host : hosts)
                QVERIFY2(host.trimmed().startsWith(u"127."), qPrintable(host + u" would ping outside the machine"_qs));
        }
    }

    void fetchedPagesCarryTheirMarkers()
    {
        const QString download = decodeGbk(readBytes(u"pages/download.html"_qs));
        QVERIFY2(download.contains(u"<title>Hoopra角色助手（Hooprix Character） V3.2 下载 - 游戏工具 - 松涛下载园</title>"),
                 "the update check could not read the version from the download page");
        const QString address = decodeGbk(readBytes(u"pages/address.html"_qs));
        QVERIFY2(address.contains(u"[127.0.0.1]") && address.section(u"来自："_qs, 1).contains(u"</center>"),
                 "the zone window could not read the address and origin from the lookup page");
    }

    void picturesExistExceptTheDocumentedOnes()
    {
        auto isJpeg = [](const QString &name) { return readBytes(u"ZRCimages/"_qs + name).startsWith("\xFF\xD8\xFF"); };
        for (const char16_t *name : {u"普通角色.jpg", u"New1.jpg", u"New2.jpg", u"New3.jpg"})
            QVERIFY2(isJpeg(QString::fromUtf16(name)), qPrintable(QString::fromUtf16(name) + u" is missing"_qs));
        for (const QString &name : characters) {
            const bool expected = !NoPicture.contains(name);
            QVERIFY2(isJpeg(name + u".jpg"_qs) == expected,
                     qPrintable(name + (expected ? u" has no picture"_qs : u" has a picture, so the fallback is never shown"_qs)));
        }
    }

    void generatorRefusesTextOutsideGbk()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString src = tmp.filePath(u"src"_qs), out = tmp.filePath(u"out"_qs);
        QVERIFY(QDir().mkpath(src));
        for (const QString &file : QDir(QStringLiteral(ZRC_SAMPLE_SOURCES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(ZRC_SAMPLE_SOURCES) + u'/' + file, src + u'/' + file));
        QFile readme(src + u"/说明文档.txt"_qs);
        QVERIFY(readme.open(QIODevice::Append));
        readme.write(u"\n한국어\n"_qs.toUtf8());
        readme.close();

        QProcess tool;
        tool.start(QStringLiteral(ZRC_SAMPLEGEN), {src, out});
        QVERIFY(tool.waitForFinished(60000));
        QVERIFY2(tool.exitStatus() == QProcess::NormalExit && tool.exitCode() != 0,
                 "the generator reported success for a readme it cannot write in GBK");
        QVERIFY(QString::fromLocal8Bit(tool.readAllStandardError()).contains(u"说明文档.txt"));
        QVERIFY2(!QFile::exists(out + u"/ZRCdata.dat"_qs), "the generator left a half-written sample");
    }
};

QTEST_GUILESS_MAIN(SampleTest)
#include "tst_sample.moc"
