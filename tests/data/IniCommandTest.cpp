#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#  include <sys/stat.h>
#  include <unistd.h>
#endif

// `zrc-cli ini`: what a data maintainer sees and changes.
class IniCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Run {
        int status;
        QByteArray out;
        QByteArray err;
    };

    static Run ini(const QStringList &args) { return run(QStringLiteral(ZRC_INI_CLI), args); }

    // As an ordinary user: root reads and writes whatever it likes, so a
    // refusal is only seen from an unprivileged process.
    static Run iniAsUser(const QStringList &args)
    {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            return run(QStringLiteral("setpriv"),
                       QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                   QStringLiteral("--clear-groups"), QStringLiteral(ZRC_INI_CLI)} + args);
#endif
        return ini(args);
    }

    static Run run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(30000))
            qFatal("ini command did not finish");
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

private Q_SLOTS:
    void getPrintsTheValueAndChangesNothing()
    {
        const QString path = m_dir.filePath(QStringLiteral("cfg.ini"));
        const QByteArray bytes = gbk(QStringLiteral("[角色]\r\n名字 =  张三 \r\nempty=\r\n"));
        writeBytes(path, bytes);
        const Run run = ini({QStringLiteral("get"), path, QStringLiteral("角色"), QStringLiteral("名字")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("张三\n").toUtf8());
        const Run empty = ini({QStringLiteral("get"), path, QStringLiteral("角色"), QStringLiteral("empty")});
        QCOMPARE(empty.status, 0);
        QCOMPARE(empty.out, QByteArray("\n"));
        QVERIFY2(readBytes(path) == bytes, "ini get changed the file");
    }

    void setWritesAndDeletes()
    {
        const QString path = m_dir.filePath(QStringLiteral("new.ini"));
        QCOMPARE(ini({QStringLiteral("set"), path, QStringLiteral("zru"), QStringLiteral("exp"), QStringLiteral("经验")}).status, 0);
        QCOMPARE(ini({QStringLiteral("set"), path, QStringLiteral("zru"), QStringLiteral("speed"), QString()}).status, 0);
        QCOMPARE(readBytes(path), gbk(QStringLiteral("[zru]\r\nexp=经验\r\nspeed=\r\n")));
        QCOMPARE(ini({QStringLiteral("set"), path, QStringLiteral("zru"), QStringLiteral("EXP"), QStringLiteral("--delete")}).status, 0);
        QCOMPARE(readBytes(path), QByteArray("[zru]\r\nspeed=\r\n"));
    }

    void badInputExitsWithTwo()
    {
        const QString missing = m_dir.filePath(QStringLiteral("missing.ini"));
        const Run run = ini({QStringLiteral("get"), missing, QStringLiteral("s"), QStringLiteral("k")});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(ini({QStringLiteral("get"), missing}).status, 2);
        QCOMPARE(ini({QStringLiteral("frob")}).status, 2);
        QCOMPARE(ini({}).status, 2);
        QCOMPARE(ini({QStringLiteral("set"), m_dir.path(), QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")}).status, 2);
        const QString blocked = m_dir.filePath(QStringLiteral("missing.ini/x.ini"));
        QCOMPARE(ini({QStringLiteral("set"), blocked, QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")}).status, 2);
    }

    void messagesNameTheCause_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("cause");
        const QString dir = m_dir.path();
        const QString ok = dir + QStringLiteral("/ok.ini");
        writeBytes(ok, "[s]\r\nk=v\r\n");
        auto row = [](const char *name, const QStringList &args, const char *cause) {
            QTest::newRow(name) << args << QString::fromUtf8(cause);
        };
        row("no such file", {"get", dir + "/none.ini", "s", "k"}, "找不到文件");
        row("a folder", {"get", dir, "s", "k"}, "不是普通文件");
#ifdef Q_OS_UNIX
        row("a device", {"set", "/dev/null", "s", "k", "v"}, "不是普通文件");
#endif
        row("folder missing", {"set", dir + "/none/x.ini", "s", "k", "v"}, "文件夹不存在");
        row("empty section", {"set", ok, " ", "k", "v"}, "节名是空的");
        row("key opens a header", {"set", ok, "s", "[k]", "v"}, "以“[”开头");
        row("key holds =", {"set", ok, "s", "a=b", "v"}, "含有“=”");
        row("line break in a name", {"set", ok, "s\n[t", "k", "v"}, "含有换行");
    }

    void messagesNameTheCause()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, cause);
        const Run r = ini(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(QString::fromUtf8(r.err).contains(cause), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
    }

    void refusedAccessIsNoEmptyValue()
    {
#ifndef Q_OS_UNIX
        QSKIP("permissions of a POSIX file system");
#else
        // A folder everyone may enter, holding a file nobody may read and a
        // folder nobody may write.
        QTemporaryDir shared;
        QVERIFY(QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7755)));
        const QString locked = shared.filePath(QStringLiteral("locked.ini"));
        writeBytes(locked, "[s]\r\nk=v\r\n");
        QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0) == 0);
        const QString closed = shared.filePath(QStringLiteral("closed"));
        QVERIFY(QDir().mkpath(closed));
        QVERIFY(::chmod(QFile::encodeName(closed).constData(), 0555) == 0);

        const Run get = iniAsUser({QStringLiteral("get"), locked, QStringLiteral("s"), QStringLiteral("k")});
        QCOMPARE(get.status, 2);
        QVERIFY2(QString::fromUtf8(get.err).contains(QStringLiteral("没有权限")), get.err.constData());
        QCOMPARE(get.out, QByteArray());
        const Run set = iniAsUser({QStringLiteral("set"), closed + QStringLiteral("/new.ini"),
                                   QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")});
        QCOMPARE(set.status, 2);
        QVERIFY2(QString::fromUtf8(set.err).contains(QStringLiteral("没有权限")), set.err.constData());
        ::chmod(QFile::encodeName(closed).constData(), 0755);
#endif
    }
};

QObject *newIniCommandTest() { return new IniCommandTest; }

#include "IniCommandTest.moc"
