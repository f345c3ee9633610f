#include "TestFiles.h"
#include "ProfileFile.h"
#include "mIni.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// What a write changes in the file, and what it must leave alone.
class ProfileWritesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    QString file(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("w%1.ini").arg(++m_files));
        writeBytes(path, bytes);
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        return path;
    }

    static bool write(const char *section, const char *key, const QString &value)
    {
        return mIni::IniWrite(QString::fromUtf8(section), QString::fromUtf8(key), value);
    }

private Q_SLOTS:
    void replacingAValueKeepsEveryOtherByte()
    {
        // LF and CR line ends, comment-like and unknown lines, odd spacing.
        const QString path = file("; notes\n[other]\nkey=keep\r\n[s]\rjunk line\n  Key = old  \n# x\n");
        QVERIFY(write("s", "key", QStringLiteral("new")));
        QCOMPARE(readBytes(path), QByteArray("; notes\n[other]\nkey=keep\r\n[s]\rjunk line\n  Key = new\n# x\n"));
    }

    void keyInOtherCaseIsUpdatedInPlace()
    {
        const QString path = file("[ZRV]\r\nSver=1\r\n");
        QVERIFY(write("zrv", "SVER", QStringLiteral("3.2")));
        QCOMPARE(readBytes(path), QByteArray("[ZRV]\r\nSver=3.2\r\n"));
    }

    void newKeyGoesAtTheEndOfItsSection()
    {
        const QString path = file("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
        QVERIFY(write("A", "z", QStringLiteral("3")));
        QCOMPARE(readBytes(path), QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n"));
    }

    void newKeyAfterAnUnendedLastLine()
    {
        const QString path = file("[a]\nx=1");
        QVERIFY(write("a", "y", QStringLiteral("2")));
        QCOMPARE(readBytes(path), QByteArray("[a]\nx=1\r\ny=2\r\n"));
    }

    void newSectionGoesAtTheEndOfTheFile()
    {
        const QString path = file("[a]\nx=1");
        QVERIFY(write("c", "名字", QStringLiteral("张三")));
        QCOMPARE(readBytes(path), QByteArray("[a]\nx=1\r\n") + gbk(QStringLiteral("[c]\r\n名字=张三\r\n")));
        QCOMPARE(mIni::IniRead(QStringLiteral("c"), QStringLiteral("名字")), QStringLiteral("张三"));
    }

    void missingFileIsCreated()
    {
        const QString path = m_dir.filePath(QStringLiteral("created.ini"));
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        QVERIFY(write("zrv", "fver", QStringLiteral("1.0")));
        QCOMPARE(readBytes(path), QByteArray("[zrv]\r\nfver=1.0\r\n"));
    }

    void nullValueDeletesTheKeyLine()
    {
        const QString path = file("[s]\nk=1\nother=2\n");
        QVERIFY(write("s", "K", QString()));
        QCOMPARE(readBytes(path), QByteArray("[s]\nother=2\n"));
    }

    void keyWithoutEqualsSignGetsOneInPlace()
    {
        const QString path = file("[s]\r\n  flag  \r\nflag=ignored\r\n");
        QVERIFY(write("s", "FLAG", QStringLiteral("on")));
        QCOMPARE(readBytes(path), QByteArray("[s]\r\n  flag  =on\r\nflag=ignored\r\n"));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("flag")), QStringLiteral("on"));
    }

    void emptyValueIsNotNull()
    {
        const QString path = file("[s]\nk=1\n");
        QVERIFY(write("s", "k", QStringLiteral("")));
        QCOMPARE(readBytes(path), QByteArray("[s]\nk=\n"));
    }

    void deletingOnAMissingFileCreatesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("never.ini"));
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        QVERIFY(write("s", "k", QString()));
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("k")), QString());
        QVERIFY2(!QFileInfo::exists(path), "a read or a deletion created the configuration file");
    }

    void emptyValueIsDeletedWhenReadFromAWritableFile()
    {
        const QString path = file("[zru]\r\nexp=\r\nspeed=5\r\n");
        QCOMPARE(mIni::IniRead(QStringLiteral("zru"), QStringLiteral("exp")), QString());
        QCOMPARE(readBytes(path), QByteArray("[zru]\r\nspeed=5\r\n"));
        // An absent key stays absent and the file is not rewritten.
        const QDateTime before = QFileInfo(path).lastModified();
        ageFile(path);
        const QDateTime aged = QFileInfo(path).lastModified();
        QVERIFY(before != aged);
        QCOMPARE(mIni::IniRead(QStringLiteral("zru"), QStringLiteral("absent")), QString());
        QCOMPARE(QFileInfo(path).lastModified(), aged);
    }

    void readOnlyFileIsNeverWritten()
    {
        const QByteArray bytes("[s]\r\nempty=\r\nq=\"\"\r\n");
        const QString path = file(bytes);
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("empty")), QString());
        QCOMPARE(mIni::IniRead(QStringLiteral("s"), QStringLiteral("q")), QString());
        QVERIFY(!write("s", "k", QStringLiteral("v")));
        QCOMPARE(readBytes(path), bytes);
    }

    void unstorableInputIsRefusedOrMadeSafe()
    {
        const QString path = file("[s]\r\n");
        QVERIFY(!write("s", "a=b", QStringLiteral("v")));
        QVERIFY(!write("s", "[t]", QStringLiteral("v")));
        QVERIFY(!write("s\r\n[t", "k", QStringLiteral("v")));
        QVERIFY(!write("s", " ", QStringLiteral("v")));
        // A line break in a value would start a new entry: it becomes a blank.
        QVERIFY(write("s", "k", QStringLiteral("one\r\n[t]\nx=1")));
        QCOMPARE(readBytes(path), QByteArray("[s]\r\nk=one  [t] x=1\r\n"));
    }

    void utf8FileIsWrittenBackInUtf8()
    {
        const QByteArray bom("\xEF\xBB\xBF");
        const QString path = file(bom + QStringLiteral("[s]\r\n名字=张三\r\n").toUtf8());
        QVERIFY(write("s", "城市", QStringLiteral("北京")));
        QVERIFY(write("新", "k", QStringLiteral("值")));
        QCOMPARE(readBytes(path), bom + QStringLiteral("[s]\r\n名字=张三\r\n城市=北京\r\n[新]\r\nk=值\r\n").toUtf8());
    }

    void unencodableCharactersBecomeQuestionMarks()
    {
        const QString path = file("");
        QVERIFY(write("s", "k", QStringLiteral("a\U0001F600b")));
        QCOMPARE(readBytes(path), QByteArray("[s]\r\nk=a?b\r\n"));
    }

    void writeReplacesTheFileAtomically()
    {
#ifdef Q_OS_WIN
        QSKIP("an open file cannot be replaced on Windows");
#else
        // A reader that opened the file before the write still sees the
        // whole old file: the new one is written aside and renamed over it,
        // never truncated and rewritten in place.
        const QByteArray old("[s]\r\nk=old\r\n");
        const QString path = file(old);
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        QVERIFY(write("s", "k", QStringLiteral("new")));
        QCOMPARE(before.readAll(), old);
        QCOMPARE(readBytes(path), QByteArray("[s]\r\nk=new\r\n"));
        const QStringList left = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : left)
            QVERIFY2(name.endsWith(QLatin1String(".ini")), qPrintable(u"stray file left: " + name));
#endif
    }

    void unwritableLocationFailsQuietly()
    {
        // A folder that cannot exist: its parent is a file.
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        writeBytes(blocker, "x");
        mIni::setIniFile(blocker + QStringLiteral("/sub/ZRCconfig.ini"), mIni::Access::ReadWrite);
        QVERIFY(!write("zrv", "fver", QStringLiteral("1.0")));
        QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("fver")), QString());
    }

    void batchWritesOnce()
    {
        const QString path = file("[zrc]\r\n");
        {
            mIni::WriteBatch batch;
            QVERIFY(write("zrc", "juese1", QStringLiteral("张三")));
            QVERIFY(write("zrc", "zhiye1", QStringLiteral("PF")));
            QCOMPARE(readBytes(path), QByteArray("[zrc]\r\n"));
            QCOMPARE(mIni::IniRead(QStringLiteral("zrc"), QStringLiteral("zhiye1")), QStringLiteral("PF"));
        }
        QCOMPARE(readBytes(path), gbk(QStringLiteral("[zrc]\r\njuese1=张三\r\nzhiye1=PF\r\n")));
    }

    void batchParsesOnceAndEndsAsWritesOneByOne()
    {
        // Many keys present, a key without "=", quotes, blanks, a duplicate, a
        // case-different name, a deletion, new keys (one set twice, one
        // removed again, one after a last line without a line end) and new
        // sections.
        QByteArray text = "top=1\r\n[zrc]\r\n";
        for (int i = 0; i < 95; ++i)
            text += "key" + QByteArray::number(i) + " = \"v" + QByteArray::number(i) + "\"\r\n";
        text += "bare\r\nkey3=dup\r\n\r\n[other]\r\nx=1";
        const auto writes = [] {
            for (int i = 0; i < 95; i += 2)
                write("zrc", qPrintable(QStringLiteral("KEY%1").arg(i)), QStringLiteral("新%1").arg(i));
            write("zrc", "bare", QStringLiteral("b"));
            write("zrc", "key5", QString());
            write("zrc", "key7", QStringLiteral("first"));
            write("zrc", "key7", QStringLiteral("second"));
            write("zrc", "added", QStringLiteral("a"));
            write("new", "k", QStringLiteral("n"));
            write("other", "x", QStringLiteral("2"));
            write("other", "y", QStringLiteral("3"));
            write("NEW", "K", QStringLiteral("n2"));
            write("new", "gone", QStringLiteral("g"));
            write("zrc", "Added2", QStringLiteral("b"));
            write("new", "gone", QString());
            write("zrc", "added2", QStringLiteral("c"));
            write("third", "t", QStringLiteral("3"));
        };
        const QString oneByOne = file(text);
        writes();
        const QString batched = file(text);
        const int parses = ProfileFile::at(batched)->parseCount();
        {
            mIni::WriteBatch batch;
            writes();
            QCOMPARE(readBytes(batched), text);
        }
        QCOMPARE(readBytes(batched), readBytes(oneByOne));
        // Reading the file, then one parse of the spliced file, new keys and all.
        QVERIFY2(ProfileFile::at(batched)->parseCount() - parses <= 2,
                 qPrintable(QStringLiteral("a batch of 61 writes parsed the file %1 times")
                                .arg(ProfileFile::at(batched)->parseCount() - parses)));
        QCOMPARE(mIni::IniRead(QStringLiteral("zrc"), QStringLiteral("key7")), QStringLiteral("second"));

        // The comparison window's load: read key after key, deleting the
        // empty ones as it goes. Each read sees the batch's writes, yet the
        // file is parsed once, not once per read after a deletion.
        const int before = ProfileFile::at(batched)->parseCount();
        {
            mIni::WriteBatch batch;
            for (int i = 0; i < 95; ++i) {
                const QByteArray key = "key" + QByteArray::number(i);
                const QString expected = i % 2 == 0 ? QStringLiteral("新%1").arg(i)
                                         : i == 5   ? QString()
                                         : i == 7   ? QStringLiteral("second")
                                                    : QStringLiteral("v%1").arg(i);
                QCOMPARE(mIni::IniRead(QStringLiteral("zrc"), QString::fromLatin1(key)), expected);
                if (i % 3 == 0)
                    QVERIFY(write("zrc", key.constData(), QString()));
            }
            QVERIFY(write("zrc", "key8", QStringLiteral("eight")));
            QCOMPARE(mIni::IniRead(QStringLiteral("ZRC"), QStringLiteral(" KEY8 ")), QStringLiteral("eight"));
            QCOMPARE(mIni::IniRead(QStringLiteral("zrc"), QStringLiteral("key9")), QString());
        }
        QVERIFY2(ProfileFile::at(batched)->parseCount() - before <= 2,
                 qPrintable(QStringLiteral("reading 95 keys in a batch parsed the file %1 times")
                                .arg(ProfileFile::at(batched)->parseCount() - before)));
        QCOMPARE(mIni::IniRead(QStringLiteral("zrc"), QStringLiteral("key8")), QStringLiteral("eight"));
    }
};

QObject *newProfileWritesTest() { return new ProfileWritesTest; }

#include "ProfileWritesTest.moc"
