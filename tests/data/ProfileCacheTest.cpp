#include "ProfileFile.h"
#include "TestFiles.h"
#include "mIni.h"

#include <QTemporaryDir>
#include <QTest>

// The parsed file is reused between reads, and never after the file changed.
class ProfileCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString read(const char *key)
    {
        return mIni::IniRead(QStringLiteral("s"), QString::fromUtf8(key));
    }

    static void setModified(const QString &path, const QDateTime &time)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

private Q_SLOTS:
    void manyReadsParseOnce()
    {
        const QString path = m_dir.filePath(QStringLiteral("db.ini"));
        writeBytes(path, "[s]\r\na=1\r\nb=2\r\n");
        ageFile(path);
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(read("a"), QStringLiteral("1"));
        const int parses = ProfileFile::at(path)->parseCount();
        for (int i = 0; i < 120; ++i)
            read(i % 2 ? "a" : "b");
        QCOMPARE(ProfileFile::at(path)->parseCount(), parses);
    }

    void outsideChangeOfAnOldFileIsSeen()
    {
        const QString path = m_dir.filePath(QStringLiteral("old.ini"));
        writeBytes(path, "[s]\r\nk=1\r\n");
        ageFile(path, 7200);
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(read("k"), QStringLiteral("1"));
        // Same size, another (still old) time.
        writeBytes(path, "[s]\r\nk=2\r\n");
        ageFile(path, 3600);
        QVERIFY2(read("k") == QStringLiteral("2"), "a database edited outside still showed the old value");
        // Another size, same time as before.
        writeBytes(path, "[s]\r\nk=333\r\n");
        ageFile(path, 3600);
        QCOMPARE(read("k"), QStringLiteral("333"));
    }

    void readGroupSeesOneStateAndTheNextGroupTheChange()
    {
        const QString path = m_dir.filePath(QStringLiteral("group.ini"));
        writeBytes(path, "[s]\r\nk=1\r\n");
        ageFile(path, 7200);
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        {
            mIni::ReadGroup group;
            QCOMPARE(read("k"), QStringLiteral("1"));
            writeBytes(path, "[s]\r\nk=22\r\n");
            ageFile(path, 3600);
            // One handler's reads see the file as it was when they began.
            QCOMPARE(read("k"), QStringLiteral("1"));
        }
        QVERIFY2(read("k") == QStringLiteral("22"),
                 "after a group of reads, a database edited outside still showed the old value");
        // The next group looks at the file again before its first read.
        writeBytes(path, "[s]\r\nk=333\r\n");
        ageFile(path, 1800);
        mIni::ReadGroup next;
        QVERIFY2(read("k") == QStringLiteral("333"), "a new group of reads kept the copy of the last one");
    }

    void changeWithinTheSameClockTickIsSeen()
    {
        // Same size, written right after the read: the time stamp may not
        // have moved, so a fresh file is compared by content.
        // Setting the same time again plays the coarse clock.
        const QString path = m_dir.filePath(QStringLiteral("fresh.ini"));
        const QDateTime tick = QDateTime::currentDateTime();
        writeBytes(path, "[s]\r\nk=1\r\n");
        setModified(path, tick);
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(read("k"), QStringLiteral("1"));
        writeBytes(path, "[s]\r\nk=2\r\n");
        setModified(path, tick);
        QVERIFY2(read("k") == QStringLiteral("2"), "a change made right after a read was not seen");
    }

    void fileAppearingAndDisappearingIsSeen()
    {
        const QString path = m_dir.filePath(QStringLiteral("late.ini"));
        mIni::setIniFile(path, mIni::Access::ReadOnly);
        QCOMPARE(read("k"), QString());
        writeBytes(path, "[s]\r\nk=1\r\n");
        QCOMPARE(read("k"), QStringLiteral("1"));
        QFile::remove(path);
        QCOMPARE(read("k"), QString());
    }

    void ownWriteIsSeenAndOutsideChangeIsNotOverwritten()
    {
        const QString path = m_dir.filePath(QStringLiteral("cfg.ini"));
        writeBytes(path, "[s]\r\na=1\r\n");
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        QCOMPARE(read("a"), QStringLiteral("1"));
        QVERIFY(mIni::IniWrite(QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("2")));
        QCOMPARE(read("a"), QStringLiteral("2"));
        // Another program adds a key; our next write keeps it.
        writeBytes(path, "[s]\r\na=2\r\nb=9\r\n");
        QVERIFY(mIni::IniWrite(QStringLiteral("s"), QStringLiteral("a"), QStringLiteral("3")));
        QCOMPARE(readBytes(path), QByteArray("[s]\r\na=3\r\nb=9\r\n"));
    }
};

QObject *newProfileCacheTest() { return new ProfileCacheTest; }

#include "ProfileCacheTest.moc"
