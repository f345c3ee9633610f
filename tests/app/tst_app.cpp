#include "DocExamples.h"
#include "TerminalText.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// zrc and zrc-cli as a user meets them on the command line, and the files
// that put the program on the desktop.

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QProcess p;
    p.setProgram(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/") + program);
    p.setArguments(args);
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start();
    if (!p.waitForFinished(30000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Run cli(const QStringList &args) { return run(QStringLiteral("zrc-cli"), args); }

// The command names `zrc-cli --help` lists.
QStringList listedCommands()
{
    const QString help = cli({QStringLiteral("--help")}).out;
    const qsizetype from = help.indexOf(QStringLiteral("命令:\n"));
    const qsizetype to = help.indexOf(QStringLiteral("\n\n"), from);
    QStringList names;
    static const QRegularExpression row(QStringLiteral("^  (\\S+)\\s"));
    for (const QString &line : help.mid(from, to - from).split(u'\n')) {
        if (const auto m = row.match(line); m.hasMatch())
            names.append(m.captured(1));
    }
    return names;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Whether this process may send ICMP echo requests (a datagram or a raw socket).
bool echoRequestsAllowed()
{
    for (int type : {SOCK_DGRAM, SOCK_RAW}) {
        const int fd = ::socket(AF_INET, type, IPPROTO_ICMP);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
    }
    return false;
}

} // namespace

class AppTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void docExamplesRun();

    // What zrc-cli prints of a text from outside.
    void terminalTextEscapes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keep");   // line breaks kept
        QTest::addColumn<QString>("inCell"); // line breaks escaped too
        QTest::newRow("plain") << u"陆星河 PG 45级"_qs << u"陆星河 PG 45级"_qs << u"陆星河 PG 45级"_qs;
        QTest::newRow("title and clear") << u"\x1b]0;x\x07\x1b[2J109"_qs << u"\\x1b]0;x\\x07\\x1b[2J109"_qs
                                         << u"\\x1b]0;x\\x07\\x1b[2J109"_qs;
        QTest::newRow("NUL, DEL, backspace") << QString(u"a\0b\x7f\x08"_qs) << u"a\\x00b\\x7f\\x08"_qs
                                             << u"a\\x00b\\x7f\\x08"_qs;
        QTest::newRow("line breaks") << u"a\tb\r\nc\rd\n"_qs << u"a\tb\r\nc\rd\n"_qs
                                     << u"a\\x09b\\x0d\\x0ac\\x0dd\\x0a"_qs;
        QTest::newRow("C1 edges") << u"\u0080\u009b\u009f\u00a0"_qs << u"\\u0080\\u009b\\u009f\u00a0"_qs
                                  << u"\\u0080\\u009b\\u009f\u00a0"_qs;
        QTest::newRow("direction marks") << u"\u200d\u200e\u200f\u2029\u202a\u202e\u202f\u2065\u2066\u2069\u206a"_qs
                                         << u"\u200d\\u200e\\u200f\u2029\\u202a\\u202e\u202f\u2065\\u2066\\u2069\u206a"_qs
                                         << u"\u200d\\u200e\\u200f\u2029\\u202a\\u202e\u202f\u2065\\u2066\\u2069\u206a"_qs;
        QTest::newRow("backslashes") << u"C:\\x1b\\"_qs << u"C:\\\\x1b\\\\"_qs << u"C:\\\\x1b\\\\"_qs;
    }
    void terminalTextEscapes()
    {
        QFETCH(QString, text);
        QFETCH(QString, keep);
        QFETCH(QString, inCell);
        QCOMPARE(TerminalText::escaped(text), keep);
        QCOMPARE(TerminalText::escaped(text, TerminalText::LineBreaks::Escape), inCell);
    }
    void jsonKeepsItsEscapes()
    {
        QCOMPARE(TerminalText::escapedJson(u"{\"a\": \"\\u001b\\\\ \u009b\u202e 角\"}"_qs),
                 u"{\"a\": \"\\u001b\\\\ \\u009b\\u202e 角\"}"_qs);
    }
    void everyCommandHasHelp()
    {
        const QStringList names = listedCommands();
        QVERIFY2(names.contains(QStringLiteral("ini")) && names.contains(QStringLiteral("build")),
                 qPrintable(u"zrc-cli --help lists: " + names.join(u' ')));
        for (const QString &name : names) {
            for (const QString &flag : {QStringLiteral("--help"), QStringLiteral("-h")}) {
                const Run r = cli({name, flag});
                QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(name + u' ' + flag + u": " + r.err));
                QVERIFY2(r.out.startsWith(u"用法: zrc-cli " + name + u' '), qPrintable(r.out));
                QVERIFY2(r.out.contains(QStringLiteral("--help")), qPrintable(r.out));
            }
        }
        const Run version = cli({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("zrc-cli 3.2\n"));
    }

    // Bad command lines exit 2 with the reason and the usage on stderr, and
    // print nothing a script could take for a result.
    void badCommandLinesExitTwoWithTheUsage()
    {
        const struct {
            QStringList args;
            QString usage;
        } cases[] = {
            {{}, QStringLiteral("用法: zrc-cli [")},
            {{QStringLiteral("bogus")}, QStringLiteral("用法: zrc-cli [")},
            {{QStringLiteral("--bogus"), QStringLiteral("build")}, QStringLiteral("用法: zrc-cli [")},
            {{QStringLiteral("build"), QStringLiteral("--bogus"), QStringLiteral("普通角色")},
             QStringLiteral("用法: zrc-cli build ")},
            {{QStringLiteral("build"), QStringLiteral("--data-dir")}, QStringLiteral("用法: zrc-cli build ")},
            {{QStringLiteral("ini"), QStringLiteral("get"), QStringLiteral("-x")}, QStringLiteral("用法: zrc-cli ini ")},
        };
        for (const auto &c : cases) {
            const Run r = cli(c.args);
            const QString what = u"zrc-cli " + c.args.join(u' ') + u": ";
            QVERIFY2(r.status == 2, qPrintable(what + QString::number(r.status)));
            QVERIFY2(r.out.isEmpty(), qPrintable(what + r.out));
            QVERIFY2(r.err.count(u'\n') >= 2 && r.err.contains(c.usage), qPrintable(what + r.err));
        }
    }

    // A value that begins with a dash, or reads like the delete switch, is
    // written as given when it follows "--".
    void iniValuesAfterDoubleDash()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.ini"));
        const QString s = QStringLiteral("zrc"), k = QStringLiteral("k");
        QCOMPARE(cli({QStringLiteral("ini"), QStringLiteral("set"), file, s, k, QStringLiteral("--"), QStringLiteral("-5")}).status, 0);
        QCOMPARE(cli({QStringLiteral("ini"), QStringLiteral("get"), file, s, k}).out, QStringLiteral("-5\n"));
        QCOMPARE(cli({QStringLiteral("ini"), QStringLiteral("set"), file, s, k, QStringLiteral("--"), QStringLiteral("--delete")}).status, 0);
        QCOMPARE(cli({QStringLiteral("ini"), QStringLiteral("get"), file, s, k}).out, QStringLiteral("--delete\n"));
        QCOMPARE(cli({QStringLiteral("ini"), QStringLiteral("set"), file, s, k, QStringLiteral("--delete")}).status, 0);
        QVERIFY2(!readText(file).contains(QStringLiteral("k=")), qPrintable(readText(file)));
    }

    // The help, the version and a refusal come before the window, so they
    // work where no display is.
    void zrcAnswersWithoutADisplay()
    {
#ifdef Q_OS_WIN
        QSKIP("the display check is about X11 and Wayland");
#endif
        if (!QFile::exists(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc")))
            QSKIP("zrc is not built here");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

        Run r = run(QStringLiteral("zrc"), {QStringLiteral("--help")}, env);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.out.startsWith(QStringLiteral("用法: zrc ")) && r.out.contains(QStringLiteral("--data-dir DIR"))
                     && r.out.contains(QStringLiteral("--config FILE")),
                 qPrintable(r.out));
        r = run(QStringLiteral("zrc"), {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-v")}, env);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("zrc 3.2\n"));
        for (const QStringList &bad : {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("extra")},
                                       QStringList{QStringLiteral("--data-dir")}}) {
            r = run(QStringLiteral("zrc"), bad, env);
            QVERIFY2(r.status == 2 && r.err.contains(QStringLiteral("用法: zrc [")), qPrintable(bad.join(u' ') + u": " + r.err));
        }
    }

    void manPageCoversEveryCommand()
    {
        const QString page = readText(QStringLiteral(ZRC_PACKAGING_DIR "/zrc-cli.1"));
        QVERIFY(!page.isEmpty());
        for (const QString &name : listedCommands())
            QVERIFY2(page.contains(u"\n.BI \"" + name + u' '), qPrintable(u"zrc-cli.1 has no entry for " + name));
    }

    void packageTextsNameTheGame()
    {
        // In English the game is "an online basketball game", in Chinese "篮球网游".
        const QString english = QStringLiteral("an online basketball game"), chinese = QStringLiteral("篮球网游");
        const struct {
            const char *file;
            int english;
            int chinese;
        } rows[] = {{"../README.md", 1, 0}, {"cn.zrc.assistant.metainfo.xml", 2, 2},
                    {"cn.zrc.assistant.desktop", 1, 1}, {"zrc.1", 1, 0}, {"Packaging.cmake", 0, 2}};
        for (const auto &row : rows) {
            const QString text = readText(QStringLiteral(ZRC_PACKAGING_DIR "/") + QLatin1String(row.file));
            QVERIFY2(!text.isEmpty(), row.file);
            QVERIFY2(text.count(english) >= row.english && text.count(chinese) >= row.chinese, row.file);
        }
        const QString readme = readText(QStringLiteral(ZRC_PACKAGING_DIR "/../README.md"));
        QVERIFY(readme.section(u'\n', 2, 2).contains(u"Hoopra, " + english));
    }

    void desktopFilesValidate()
    {
        const QString dir = QStringLiteral(ZRC_PACKAGING_DIR "/");
        const struct {
            QString tool;
            QStringList args;
        } checks[] = {
            {QStringLiteral("desktop-file-validate"), {dir + QStringLiteral("cn.zrc.assistant.desktop")}},
            {QStringLiteral("appstreamcli"),
             {QStringLiteral("validate"), QStringLiteral("--no-net"), dir + QStringLiteral("cn.zrc.assistant.metainfo.xml")}},
        };
        int ran = 0;
        for (const auto &c : checks) {
            const QString tool = QStandardPaths::findExecutable(c.tool);
            if (tool.isEmpty())
                continue;
            QProcess p;
            p.start(tool, c.args);
            QVERIFY(p.waitForFinished(60000));
            QVERIFY2(p.exitCode() == 0, qPrintable(c.tool + u": " + QString::fromUtf8(p.readAll() + p.readAllStandardError())));
            ++ran;
        }
        if (ran == 0)
            QSKIP("neither desktop-file-validate nor appstreamcli is installed");
    }
};


// Every example command line of the README and docs/ runs as shown.
void AppTest::docExamplesRun()
{
    const QList<DocExample> examples = docExamples(QStringLiteral(ZRC_TEST_SOURCE_DIR "/../.."));
    QVERIFY2(examples.size() >= 3, "no zrc-cli examples found in README.md and docs/");
    const bool ping = echoRequestsAllowed();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"), QStringLiteral(ZRC_TEST_SAMPLE_DIR ":") + env.value(QStringLiteral("PATH")));
    env.remove(QStringLiteral("ZRC_DATA_DIR"));
    int ran = 0;
    for (const DocExample &e : examples) {
        if (!ping && e.command.startsWith(QStringLiteral("zrc-cli ping")))
            continue;
        QTemporaryDir home; // each line runs in a folder of its own, its settings there too
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("ZRC_CONFIG"), home.filePath(QStringLiteral("ZRCconfig.ini")));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(home.path());
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), e.command});
        if (!p.waitForFinished(60000))
            p.kill();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString what = e.where + u": " + e.command + u'\n';
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                 qPrintable(what + u"exited with " + QString::number(p.exitCode()) + u": "
                            + QString::fromUtf8(p.readAllStandardError())));
        if (e.showsOutput) {
            QStringList shown = out.split(u'\n');
            if (shown.last().isEmpty())
                shown.removeLast();
            QVERIFY2(shown == e.output, qPrintable(what + u"printed:\n" + out + u"the docs show:\n" + e.output.join(u'\n')));
        }
        ++ran;
    }
    QVERIFY(ran > 0);
}

QTEST_GUILESS_MAIN(AppTest)

#include "tst_app.moc"
