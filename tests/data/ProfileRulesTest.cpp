#include "TestFiles.h"
#include "mIni.h"

#include <QTemporaryDir>
#include <QTest>

// How values are found and read: the rules of the Windows profile
// functions, on a file that holds one case of each.
class ProfileRulesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void initTestCase()
    {
        m_path = m_dir.filePath(QStringLiteral("rules.ini"));
        const QByteArray crlf = gbk(QStringLiteral(
            "k0=before any section\r\n"
            "[ZRV]\r\n"
            "Sver=3.2\r\n"
            "  spaced key  \t=  \t value with  inner  spaces \t \r\n"
            "dq=\"  quoted  \"\r\n"
            "sq = 'single' \r\n"
            "mixed=\"a'\r\n"
            "lone=\"\r\n"
            "emptyquotes=\"\"\r\n"
            "inner=a \"b\" c\r\n"
            ";semi=1\r\n"
            "#hash=2\r\n"
            "; a comment-looking line\r\n"
            "after=comments\r\n"
            "no equals sign here\r\n"
            "no equals sign here=later\r\n"
            "\x1a\v ctrl-z \f=\v\x1a value \x1a\r\n"
            "eq=b=c\r\n"
            "dup=first\r\n"
            "DUP=second\r\n"
            "名字=张三\r\n"
            "Ａ=full-width\r\n"
            "[zrv]\r\n"
            "onlyInSecond=x\r\n"
            "[a]b] trailing\r\n"
            "k=bracket\r\n"
            "[open\r\n"
            "k2=still in a]b\r\n"
            "[x=1\r\n"
            "\t[ indented ]\r\n"
            "k=indented\r\n"));
        // Lone CR and LF end lines too.
        const QByteArray endings("[ends]\rcr=1\rlf=2\ncrlf=3\r\nlast=4");
        writeBytes(m_path, crlf + endings);
        mIni::setIniFile(m_path, mIni::Access::ReadOnly);
    }

    void reads_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *section, const char *key, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(section) << QString::fromUtf8(key)
                                << QString::fromUtf8(expected);
        };
        row("key written Sver read as sver", "zrv", "sver", "3.2");
        row("section and key in other case", "ZrV", "SVER", "3.2");
        row("blanks around name and value trimmed", "zrv", "spaced key", "value with  inner  spaces");
        row("double quotes removed, then spaces", "zrv", "dq", "quoted");
        row("single quotes removed", "zrv", "sq", "single");
        row("unmatched quotes kept", "zrv", "mixed", "\"a'");
        row("a lone quote kept", "zrv", "lone", "\"");
        row("empty quotes read as empty", "zrv", "emptyquotes", "");
        row("inner quotes kept", "zrv", "inner", "a \"b\" c");
        row("semicolon line is a key", "zrv", ";semi", "1");
        row("hash line is a key", "zrv", "#hash", "2");
        row("keys after comment-looking lines", "zrv", "after", "comments");
        row("line without = names an empty key, which wins", "zrv", "no equals sign here", "");
        row("Ctrl-Z, VT and FF are blanks", "zrv", "ctrl-z", "value");
        row("value starts after the first =", "zrv", "eq", "b=c");
        row("first of duplicate keys wins", "zrv", "dup", "first");
        row("Chinese key", "zrv", "名字", "张三");
        row("only ASCII letters fold", "zrv", "ａ", "");
        row("only the first of duplicate sections", "zrv", "onlyInSecond", "");
        row("keys before any section form the nameless one", "", "k0", "before any section");
        row("the nameless section found by blanks too", " \t", "k0", "before any section");
        row("header name ends at the last ]", "a]b", "k", "bracket");
        row("[ without ] is no header", "a]b", "k2", "still in a]b");
        row("[ without ] is no header either way", "open", "k2", "");
        row("a broken header line with = is a key", "a]b", "[x", "1");
        row("blanks around a header", "indented", "k", "indented");
        row("lone CR ends a line", "ends", "cr", "1");
        row("LF ends a line", "ends", "lf", "2");
        row("CR LF ends a line", "ends", "crlf", "3");
        row("last line without an end", "ends", "last", "4");
        row("absent section", "nosuch", "k", "");
    }

    void reads()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(mIni::IniRead(section, key), expected);
    }

    void defaultIsReturnedTrimmed()
    {
        QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("absent"), QStringLiteral("  d  ")),
                 QStringLiteral("d"));
    }

    void codePage936()
    {
        // 中 = D6 D0, 文 = CE C4, in code page 936.
        const QString path = m_dir.filePath(QStringLiteral("gbk.ini"));
        writeBytes(path, QByteArray("[\xD6\xD0]\r\nk=\xCE\xC4\r\n"));
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(mIni::IniRead(QStringLiteral("中"), QStringLiteral("k")), QStringLiteral("文"));
    }

    void brokenBytesReadAsReplacementCharacter()
    {
        // A lead byte followed by a blank, and a lead byte at the very end.
        const QString path = m_dir.filePath(QStringLiteral("broken.ini"));
        writeBytes(path, QByteArray("[s]\r\na=x\x81 y\r\nb=ok\r\nc=z\xD6"));
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("x\uFFFD y"));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("b")), QStringLiteral("ok"));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("c")), QStringLiteral("z\uFFFD"));
    }

    void valueEndsAtNul()
    {
        const QString path = m_dir.filePath(QStringLiteral("with-nul.ini"));
        writeBytes(path, QByteArray("[s]\r\nk=a\0b \0\r\nnext=1\r\n", 22));
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("a"));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("next")), QStringLiteral("1"));
    }

    void longValuesCutAtWholeCharacters()
    {
        const QString path = m_dir.filePath(QStringLiteral("long.ini"));
        const QString wide(80, QChar(u'中'));            // 160 bytes
        const QString oddStart = u'a' + QString(80, QChar(u'中')); // 1 + 160 bytes
        const QString ascii(200, QChar(u'x'));
        writeBytes(path, gbk(QStringLiteral("[s]\r\nwide=") + wide + QStringLiteral("\r\nodd=") + oddStart
                             + QStringLiteral("\r\nascii=") + ascii + QStringLiteral("\r\n")));
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        // 143 bytes would end inside the 72nd character: 71 whole ones stay.
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("wide")), QString(71, QChar(u'中')));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("odd")),
                 u'a' + QString(71, QChar(u'中')));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("ascii")), QString(143, QChar(u'x')));
    }

    void utf8FileWithByteOrderMark()
    {
        const QString path = m_dir.filePath(QStringLiteral("utf8.ini"));
        writeBytes(path, QByteArray("\xEF\xBB\xBF[s]\r\n") + QStringLiteral("名字=张三\r\n").toUtf8());
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("名字")), QStringLiteral("张三"));
    }
};

QObject *newProfileRulesTest() { return new ProfileRulesTest; }

#include "ProfileRulesTest.moc"
