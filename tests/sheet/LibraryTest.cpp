#include "LibraryTest.h"

#include "AbilitySheet.h"
#include "BuildGenerator.h"
#include "BuildLibrary.h"
#include "CliRun.h"
#include "CodePage936.h"
#include "FifoTrap.h"
#include "GameDatabase.h"
#include "SheetFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = CliRun;

Run cli(const QStringList &args)
{
    return runCli(args + QStringList{QStringLiteral("--data-dir"), QStringLiteral(ZRC_TEST_SAMPLE_DIR)});
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What `zrc-cli build --from-sheet` says of a file: its status name, and the
// reason it gives (the comparison line when the numbers differ, the message
// after "zrc-cli build: " and the file's name when it does not load).
QPair<QString, QString> fromSheet(const QString &path)
{
    const Run r = cli({QStringLiteral("build"), QStringLiteral("--from-sheet"), path});
    if (r.status == 0)
        return {QStringLiteral("agrees"), QString()};
    if (r.status == 1)
        return {QStringLiteral("differs"), r.out.trimmed().section(u'\n', -1)};
    QString reason = r.err.trimmed().mid(QStringLiteral("zrc-cli build: ").size());
    if (reason.startsWith(path + u": "))
        reason = reason.mid(path.size() + 2);
    return {r.status == 2 ? QStringLiteral("unreadable") : QStringLiteral("status %1").arg(r.status), reason};
}

} // namespace

void LibraryTest::everyRowSaysWhatTheLoaderSays()
{
    QTemporaryDir home;
    const QDir dir(home.path());
    const GameDatabase db(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat"));
    BuildEngine engine([&db](const QString &name) { return db.record(name); });
    BuildGenerator generator(23, db.allCharacters());
    QString firstSheet;
    for (int i = 0; i < 6; ++i) {
        generator.next(engine);
        const QString sheet = makeAbilitySheet(engine, 3.2f, QStringLiteral("pages/author.html")).text();
        if (i == 0)
            firstSheet = sheet;
        write(dir.filePath(QStringLiteral("build-%1.txt").arg(i)), SheetFile::encode(sheet));
    }
    // As an older data version computed it: one value and the total off.
    QStringList old = firstSheet.split(QStringLiteral("\r\n"));
    old[26] = QStringLiteral("跑动：1");
    old[38] = QStringLiteral("综合：1");
    write(dir.filePath(QStringLiteral("old-data.txt")), SheetFile::encode(old.join(QStringLiteral("\r\n"))));
    write(dir.filePath(QStringLiteral("gbk.txt")), CodePage936::encode(firstSheet));
    write(dir.filePath(QStringLiteral("chat.txt")), (u"昨天的配置：\n" + firstSheet + u"\n好用").toUtf8());
    engine.Xingming_Click(QStringLiteral("陆星河"));
    QVERIFY(engine.pick(ListId::ZYe, QStringLiteral("PG")));
    write(dir.filePath(QStringLiteral("unfinished.txt")),
          SheetFile::encode(makeAbilitySheet(engine, 3.2f, QStringLiteral("pages/author.html")).text()));
    write(dir.filePath(QStringLiteral("empty.txt")), QByteArray());
    write(dir.filePath(QStringLiteral("binary.txt")), QByteArray("\x00\x01\xff\xfe PNG\x00", 10));
    write(dir.filePath(QStringLiteral("nobody.txt")), SheetFile::encode(QString(firstSheet).replace(
                                                          0, firstSheet.indexOf(u'\r'), QStringLiteral("角色：无此人"))));
    write(dir.filePath(QStringLiteral("notes.md")), SheetFile::encode(firstSheet)); // not a *.txt: not listed
    QVERIFY(dir.mkpath(QStringLiteral("folder.txt")));
    write(dir.filePath(QStringLiteral("folder.txt/inner.txt")), SheetFile::encode(firstSheet));
    FifoTrap fifo(dir.filePath(QStringLiteral("fifo.txt")));
#ifdef Q_OS_WIN
    const bool fifos = false; // none there
#else
    QVERIFY(fifo.ready());
    const bool fifos = true;
#endif

    const Run listed = cli({QStringLiteral("library"), QStringLiteral("--dir"), home.path(), QStringLiteral("--json")});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.err, QString());
    const QJsonArray rows = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    QStringList files;
    for (const QJsonValue &v : rows)
        files.append(v[u"file"].toString());
    QStringList expected{u"binary.txt"_qs, u"build-0.txt"_qs, u"build-1.txt"_qs, u"build-2.txt"_qs,
                         u"build-3.txt"_qs, u"build-4.txt"_qs, u"build-5.txt"_qs, u"chat.txt"_qs,
                         u"empty.txt"_qs, u"fifo.txt"_qs, u"folder.txt"_qs, u"gbk.txt"_qs,
                         u"nobody.txt"_qs, u"old-data.txt"_qs, u"unfinished.txt"_qs};
    if (!fifos)
        expected.removeOne(u"fifo.txt"_qs);
    QCOMPARE(files, expected);

    QStringList statuses;
    for (const QJsonValue &v : rows) {
        const QString file = v[u"file"].toString();
        const QPair<QString, QString> said = fromSheet(dir.filePath(file));
        QCOMPARE(v[u"status"].toString() + u' ' + file, said.first + u' ' + file);
        QCOMPARE(v[u"reason"].toString(), said.second);
        statuses.append(said.first);
        if (said.first == u"unreadable") {
            QVERIFY2(!v.toObject().contains(u"abilities"), qPrintable(file));
            continue;
        }
        // The numbers the file states, as numbers; for a sheet that agrees
        // they are what the replay computes.
        const Run state = cli({QStringLiteral("build"), QStringLiteral("--from-sheet"), dir.filePath(file),
                               QStringLiteral("--json")});
        const QJsonObject computed = QJsonDocument::fromJson(state.out.toUtf8()).object();
        QCOMPARE(v[u"character"].toString(), computed[u"character"].toString());
        if (said.first == u"agrees" && file != u"unfinished.txt") {
            for (int i = 0; i < AbilityCount; ++i)
                QCOMPARE(v[u"abilities"][Abilities[i].name.toString()].toDouble(),
                         computed[u"values"][i].toString().toDouble());
            QCOMPARE(v[u"total"].toDouble(), computed[u"total"].toString().toDouble());
        }
    }
    QCOMPARE(rows[files.indexOf(u"old-data.txt"_qs)][u"abilities"][u"跑动"].toDouble(), 1.0); // it states its own numbers
    QCOMPARE(statuses.count(u"agrees"_qs), 9); // six builds, chat, GBK, unfinished
    QCOMPARE(statuses.count(u"differs"_qs), 1);
    QVERIFY2(!fifo.opened(), "the FIFO was opened");

    // The plain table: a header, one line per file and an indented reason.
    const Run table = cli({QStringLiteral("library"), QStringLiteral("--dir"), home.path(), QStringLiteral("--sort"),
                           QStringLiteral("三分")});
    QCOMPARE(table.status, 0);
    QVERIFY2(table.out.startsWith(u"状态\t文件名\t角色\t职业\t等级\t训练\t综合\t跑动"), qPrintable(table.out));
    QVERIFY2(!fifos || table.out.contains(u"\n无法读取\tfifo.txt\t"), qPrintable(table.out));
    QVERIFY2(!fifo.opened(), "the FIFO was opened");
}

void LibraryTest::badOptionsAndFoldersExitTwo()
{
    QTemporaryDir home;
    const QString missing = home.filePath(QStringLiteral("nothing"));
    const QString file = home.filePath(QStringLiteral("a.txt"));
    write(file, "x");
    for (const QStringList &args : {QStringList{u"--dir"_qs, missing}, QStringList{u"--dir"_qs, file},
                                    QStringList{u"--sort"_qs, u"身高"_qs}, QStringList{u"--frobnicate"_qs},
                                    QStringList{u"--dir"_qs}}) {
        const Run r = cli(QStringList{u"library"_qs} + args);
        QVERIFY2(r.status == 2 && r.out.isEmpty() && r.err.startsWith(u"zrc-cli library"),
                 qPrintable(args.join(u' ') + u" → " + QString::number(r.status) + u' ' + r.err));
    }
    QProcess p;
    p.start(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"),
            {u"library"_qs, u"--dir"_qs, home.path(), u"--data-dir"_qs, missing});
    p.waitForFinished(30000);
    QCOMPARE(p.exitCode(), 2);
}

void LibraryTest::sortsAndFilters_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("files");

    // Rows below: file, character, level, 三分, total, status.
    QTest::newRow("file name by default") << u"file"_qs << false << QString() << QString()
                                          << QStringList{u"a.txt"_qs, u"b.txt"_qs, u"c.txt"_qs, u"d.txt"_qs, u"e.txt"_qs};
    QTest::newRow("numbers descending, as numbers; none last")
        << u"三分"_qs << false << QString() << QString()
        << QStringList{u"c.txt"_qs, u"a.txt"_qs, u"e.txt"_qs, u"b.txt"_qs, u"d.txt"_qs};
    QTest::newRow("reversed: ascending, none still last")
        << u"三分"_qs << true << QString() << QString()
        << QStringList{u"b.txt"_qs, u"e.txt"_qs, u"a.txt"_qs, u"c.txt"_qs, u"d.txt"_qs};
    QTest::newRow("level by its number; ties by file") << u"level"_qs << false << QString() << QString()
                                                       << QStringList{u"b.txt"_qs, u"e.txt"_qs, u"a.txt"_qs, u"c.txt"_qs, u"d.txt"_qs};
    QTest::newRow("texts ascending") << u"character"_qs << false << QString() << QString()
                                     << QStringList{u"a.txt"_qs, u"c.txt"_qs, u"e.txt"_qs, u"b.txt"_qs, u"d.txt"_qs};
    QTest::newRow("one character") << u"total"_qs << false << u"林晓风"_qs << QString()
                                   << QStringList{u"c.txt"_qs, u"e.txt"_qs};
    QTest::newRow("typed text, any letter case") << u"file"_qs << false << QString() << u"B.TXT"_qs
                                                 << QStringList{u"b.txt"_qs};
    QTest::newRow("typed text in a reason") << u"file"_qs << false << QString() << u"1 MiB"_qs
                                            << QStringList{u"d.txt"_qs};
    QTest::newRow("character and text together") << u"file"_qs << false << u"林晓风"_qs << u"45级"_qs
                                                 << QStringList{u"c.txt"_qs};
}

void LibraryTest::sortsAndFilters()
{
    QFETCH(QString, column);
    QFETCH(bool, reversed);
    QFETCH(QString, character);
    QFETCH(QString, text);
    QFETCH(QStringList, files);

    const auto row = [](const char *file, const char *who, const char *level, const char *sanfen, const char *total) {
        LibraryEntry e;
        e.file = QString::fromUtf8(file);
        e.status = *who ? LibraryEntry::Status::Agrees : LibraryEntry::Status::Unreadable;
        e.character = QString::fromUtf8(who);
        e.level = QString::fromUtf8(level);
        e.values[9] = QString::fromUtf8(sanfen);
        e.values[AbilityCount] = QString::fromUtf8(total);
        return e;
    };
    QList<LibraryEntry> entries{row("e.txt", "林晓风", "50级", "9", "600"), row("c.txt", "林晓风", "45级", "70.5", "700"),
                                row("a.txt", "普通角色", "45级", "61", "650"), row("b.txt", "陆星河", "50级", "8", "640")};
    LibraryEntry broken = row("d.txt", "", "", "", "");
    broken.reason = QStringLiteral("文件超过 1 MiB，不是能力表。");
    entries.insert(2, broken);

    sortLibrary(entries, libraryColumnByName(column), reversed);
    QStringList shown;
    for (const LibraryEntry &e : std::as_const(entries))
        if (libraryRowMatches(e, character, text))
            shown.append(e.file);
    QCOMPARE(shown, files);
}
