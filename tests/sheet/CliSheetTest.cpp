#include "CliSheetTest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#  include <fcntl.h>
#  include <stdlib.h>
#  include <unistd.h>
#endif

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run cli(const QStringList &args, const QString &command = QStringLiteral("sheet"), const QByteArray &input = {})
{
    QProcess p;
    p.setProgram(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"));
    p.setArguments(QStringList{command, QStringLiteral("--data-dir"), QStringLiteral(ZRC_TEST_SAMPLE_DIR)} + args);
    p.start();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// A guard of the sample with own height adjustments, through the first page
// and a two-piece outfit.
const QStringList GuardBuild{u"陆星河"_qs, u"ZYe=PG"_qs, u"Dji=45级"_qs, u"Xlian=训练Ⅱ"_qs, u"Vip=VIP"_qs,
                             u"Youxie1=中投+11"_qs, u"Youxie2=跑动+10"_qs};

} // namespace

void CliSheetTest::printsTheSheetAsTheClipboardGetsIt()
{
    const Run r = cli(GuardBuild);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QVERIFY2(!r.out.endsWith("\r\n") && !r.out.endsWith('\n'), "the sheet ends with a line break");
    const QStringList l = QString::fromUtf8(r.out).split(QStringLiteral("\r\n"));
    QCOMPARE(l.size(), 42);
    QCOMPARE(l[0], u"角色：陆星河"_qs);
    QCOMPARE(l[2], u"职业：PG(推荐PG)"_qs);
    QCOMPARE(l[3], u"身高：偏矮"_qs);
    QCOMPARE(l[4], u"等级：45级"_qs);
    QCOMPARE(l[6], u"VIP ：VIP"_qs);
    QCOMPARE(l[8], u"有鞋装：中投+11跑动+10"_qs);
    QCOMPARE(l[26], u"跑动：96(4↑)"_qs);
    QCOMPARE(l[27], u"弹跳：34"_qs);
    QCOMPARE(l[34], u"中投：50.5(2↓)"_qs);
    QCOMPARE(l[38], u"综合：647.5(6↑)"_qs);
    QCOMPARE(l[40], u"本数据由【ZR角色助手 V3.2】计算生成"_qs);
    QCOMPARE(l[41], u"作者微博【pages/author.html】"_qs);
}

void CliSheetTest::printsThePostWithPost()
{
    const Run r = cli(QStringList{u"--post"_qs} + GuardBuild);
    QCOMPARE(r.status, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             u"【%23Hoopra%23】我的%23Hoopra-陆星河%23（职业：PG，身高：偏矮，等级：45级，训练：训练Ⅱ）"
             "跑动96，弹跳34，对抗32，传球88，运球86，篮板24，盖帽34，抢断86，中投50.5，三分61，灌篮33，近投23，"
             "综合647.5。（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"_qs);
}

void CliSheetTest::badInputStopsLikeBuild()
{
    Run r = cli({u"没有的人"_qs});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.startsWith(u"zrc-cli sheet: "), qPrintable(r.err));
    r = cli({u"陆星河"_qs, u"ZYe=PG"_qs, u"Xlian=训练Ⅰ"_qs});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.contains(u"Xlian"), qPrintable(r.err));
    QCOMPARE(cli({}).status, 2);
}

// A sheet printed by one run loads in another: the same sheet byte for byte
// (from a file or standard input), the comparison as one more line or as
// the JSON field "sheet", and the status telling whether numbers differ.
void CliSheetTest::fromSheetReplaysAndCompares()
{
    const QByteArray sheet = cli(GuardBuild).out;
    QTemporaryDir dir;
    QFile file(dir.filePath(u"s.txt"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sheet);
    file.close();

    QCOMPARE(cli({u"--from-sheet"_qs, file.fileName()}).out, sheet);
    const Run piped = cli({u"--from-sheet"_qs, u"-"_qs}, u"sheet"_qs, sheet);
    QCOMPARE(piped.status, 0);
    QCOMPARE(piped.out, sheet);

    const Run table = cli({u"--from-sheet"_qs, file.fileName()}, u"build"_qs);
    QCOMPARE(table.status, 0);
    QVERIFY2(table.out.endsWith(u"\n已载入能力表：各项数值一致。\n"_qs.toUtf8()), table.out.constData());

    QByteArray changed = sheet;
    changed.replace("跑动：96", "跑动：97");
    const Run json = cli({u"--json"_qs, u"--from-sheet"_qs, u"-"_qs}, u"build"_qs, changed);
    QCOMPARE(json.status, 1);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(json.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(o.value(u"sheet"_qs).toObject().value(u"agrees"_qs).toBool(true), false);
    QCOMPARE(o.value(u"sheet"_qs).toObject().value(u"differences"_qs).toArray().size(), 1);

    // Not with a character; a text that does not load.
    QCOMPARE(cli({u"--from-sheet"_qs, file.fileName(), u"陆星河"_qs}, u"build"_qs).status, 2);
    const Run bad = cli({u"--from-sheet"_qs, u"-"_qs}, u"build"_qs, "hello");
    QCOMPARE(bad.status, 2);
    QCOMPARE(bad.err, u"zrc-cli build: 未能载入：没有找到能力表或分享文字。\n"_qs);
}

// Standard input is read to its end, as a pipe delivers it: a sheet after a
// long chat log, more than 1 MiB refused, a read that fails named.
void CliSheetTest::standardInputIsReadToItsEnd()
{
    const QByteArray sheet = cli(GuardBuild).out;
    const QByteArray chat = QByteArray("老王：再来一局\n").repeated(10000); // 200 KB, more than a pipe holds
    Run r = cli({u"--from-sheet"_qs, u"-"_qs}, u"sheet"_qs, chat + sheet);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, sheet);

    r = cli({u"--from-sheet"_qs, u"-"_qs}, u"sheet"_qs, sheet + "\n" + chat.repeated(6));
    QCOMPARE(r.status, 2);
    QCOMPARE(r.err, u"zrc-cli sheet: -: 输入超过 1 MiB，不是能力表。\n"_qs);

#ifdef Q_OS_UNIX
    // Typed into a terminal: each read returns one line, Ctrl+D ends it.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QByteArray terminal = ::ptsname(master);
    QProcess typed;
    typed.setChildProcessModifier([terminal] {
        const int fd = ::open(terminal.constData(), O_RDWR | O_NOCTTY);
        ::dup2(fd, 0);
    });
    typed.start(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"),
                {u"sheet"_qs, u"--data-dir"_qs, QStringLiteral(ZRC_TEST_SAMPLE_DIR), u"--from-sheet"_qs, u"-"_qs});
    QVERIFY(typed.waitForStarted());
    const QByteArray lines = QByteArray(sheet).replace("\r\n", "\n") + "\n\x04";
    QCOMPARE(::write(master, lines.constData(), size_t(lines.size())), ssize_t(lines.size()));
    QVERIFY(typed.waitForFinished(30000));
    ::close(master);
    QCOMPARE(typed.exitCode(), 0);
    QCOMPARE(typed.readAllStandardOutput(), sheet);

    // A folder as standard input: reading it fails.
    QProcess p;
    p.start(u"sh"_qs, {u"-c"_qs, u"exec \"$0\" sheet --data-dir \"$1\" --from-sheet - < /"_qs,
                        QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"), QStringLiteral(ZRC_TEST_SAMPLE_DIR)});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.startsWith(u"zrc-cli sheet: -: 读取标准输入失败："_qs), qPrintable(err));
#endif // a Windows console is typed into through ReadConsoleW, which only a real console shows
}

// Values quoted from a sheet or the command line reach the terminal
// escaped: control characters as \xhh, C1 characters and direction marks
// as \uhhhh, a backslash doubled. JSON keeps its own escapes.
void CliSheetTest::quotedTextCannotDriveTheTerminal()
{
    QByteArray sheet = cli(GuardBuild).out;
    sheet.replace("跑动：96", "跑动：\x1b]0;x\x07\x1b[2J96");
    Run r = cli({u"--from-sheet"_qs, u"-"_qs}, u"build"_qs, sheet);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.endsWith(u"跑动：能力表\\x1b]0;x\\x07\\x1b[2J96，本程序96\n"_qs.toUtf8()), r.out.constData());

    r = cli({u"陆星河"_qs, u"ZYe=\u202Eab\\c\u009B"_qs}, u"build"_qs);
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.startsWith(u"zrc-cli build: ZYe 没有“\\u202eab\\\\c\\u009b”；可选: "_qs), qPrintable(r.err));

    sheet.replace("\x1b]0;x\x07\x1b[2J96", "\xC2\x9B" "96");
    r = cli({u"--json"_qs, u"--from-sheet"_qs, u"-"_qs}, u"build"_qs, sheet);
    QVERIFY2(!r.out.contains("\xC2\x9B") && r.out.contains("\\u009b"), r.out.constData());
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QVERIFY(o.value(u"sheet"_qs).toObject().value(u"message"_qs).toString().contains(u"能力表\u009B96"_qs));
}
