#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// `zrc-cli ini`: what a data maintainer sees and changes.
class IniCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Run {
        int status;
        QByteArray out;
        QByteArray err;
    };

    static Run ini(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral(ZRC_INI_CLI), args);
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
};

QObject *newIniCommandTest() { return new IniCommandTest; }

#include "IniCommandTest.moc"
