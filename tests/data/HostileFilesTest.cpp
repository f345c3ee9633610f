#include "GameDatabase.h"
#include "TestFiles.h"
#include "mIni.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#  include <sys/stat.h>
#endif

// What stands in a profile file's place is not always a file. Nothing here
// may block (a FIFO), read without end (/dev/zero) or be replaced by a write
// (a FIFO, /dev/null): each counts as missing and is left as it was.
class HostileFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool isFifo(const QString &path)
    {
#ifdef Q_OS_WIN
        Q_UNUSED(path);
        return false;
#else
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
#endif
    }

    static void readsAsMissingAndIsNeverWritten(const QString &path)
    {
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("fver")), QString());
        QCOMPARE(mIni::IniProblem(), RegularFile::Problem::NotRegular);
        QVERIFY2(!mIni::IniWrite(QStringLiteral("zrv"), QStringLiteral("fver"), QStringLiteral("3.2")),
                 "a write replaced something that is not a file");
        QCOMPARE(mIni::IniProblem(), RegularFile::Problem::NotRegular);
    }

private Q_SLOTS:
    void fifoIsMissingAndStaysAFifo()
    {
#ifdef Q_OS_WIN
        QSKIP("no FIFOs");
#else
        const QString fifo = m_dir.filePath(QStringLiteral("ZRCconfig.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        readsAsMissingAndIsNeverWritten(fifo);
        QVERIFY(isFifo(fifo));
        // The game database in the same place: empty lists, no hang.
        const GameDatabase db(fifo);
        QVERIFY(!db.exists());
        QCOMPARE(db.teams(), QStringList());
        QCOMPARE(db.record(QStringLiteral("普通角色")).height, QString());
#endif
    }

    void devicesAndLinksToThemAreMissing()
    {
#ifdef Q_OS_WIN
        QSKIP("no /dev");
#else
        const QString zero = m_dir.filePath(QStringLiteral("zero.ini"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
        readsAsMissingAndIsNeverWritten(zero);
        QVERIFY(QFileInfo(zero).isSymLink());
        readsAsMissingAndIsNeverWritten(QStringLiteral("/dev/null"));
        struct stat st;
        QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
#endif
    }

    void folderIsMissing()
    {
        const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(folder));
        readsAsMissingAndIsNeverWritten(folder);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void fileOverSixtyFourMebibytesIsRefused()
    {
        const QString big = m_dir.filePath(QStringLiteral("big.ini"));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[zrv]\r\nfver=3.2\r\n");
            QVERIFY(file.resize(RegularFile::MaxBytes + 1)); // sparse: cheap to make
        }
        mIni::setIniFile(big, mIni::Access::ReadWrite);
        QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("fver")), QString());
        QCOMPARE(mIni::IniProblem(), RegularFile::Problem::TooLarge);
        QVERIFY2(!mIni::IniWrite(QStringLiteral("zrv"), QStringLiteral("k"), QStringLiteral("v")),
                 "a file nobody could read was rewritten");
        QCOMPARE(QFileInfo(big).size(), RegularFile::MaxBytes + 1);
        // One byte less is read.
        QVERIFY(QFile::resize(big, RegularFile::MaxBytes));
        QCOMPARE(mIni::IniRead(QStringLiteral("zrv"), QStringLiteral("fver")), QStringLiteral("3.2"));
        QFile::remove(big);
    }
};

QObject *newHostileFilesTest() { return new HostileFilesTest; }

#include "HostileFilesTest.moc"
