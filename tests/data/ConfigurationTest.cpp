#include "AppPaths.h"
#include "Configuration.h"
#include "TestFiles.h"
#include "mIni.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// What the program remembers between runs, in the configuration file.
class ConfigurationTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_runs = 0;
    QString m_path;

private Q_SLOTS:
    void init()
    {
        // Each case starts with no configuration, in a folder not made yet.
        m_path = m_dir.filePath(QStringLiteral("run%1/user/ZRCconfig.ini").arg(++m_runs));
        AppPaths::setConfigPath(m_path);
        AppPaths::setLegacyConfigPath(QString());
    }

    void firstRunCreatesTheFile()
    {
        QVERIFY(!Configuration::exists());
        QCOMPARE(Configuration::read(Configuration::VersionSection, QStringLiteral("Sver")), QString());
        QVERIFY2(!QFileInfo::exists(m_path), "reading the configuration created it");
        QVERIFY(Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey,
                                     QStringLiteral("1.0")));
        QVERIFY(Configuration::exists());
        QCOMPARE(mIni::IniFile(), m_path);
        QCOMPARE(readBytes(m_path), QByteArray("[zrv]\r\nfver=1.0\r\n"));
    }

    void dataVersionWrittenAsPlainDecimalAndReadAsSver()
    {
        Configuration::writeDataVersion(3.2);
        QCOMPARE(Configuration::read(QStringLiteral("zrv"), QStringLiteral("Sver")), QStringLiteral("3.2"));
        Configuration::writeDataVersion(4);
        QCOMPARE(readBytes(m_path), QByteArray("[zrv]\r\nsver=4\r\n"));
    }

    void emptyValueDisappearsAtItsFirstRead()
    {
        QVERIFY(Configuration::write(QStringLiteral("zru"), QStringLiteral("exp"), QStringLiteral("")));
        QVERIFY(Configuration::write(QStringLiteral("zru"), QStringLiteral("speed"), QStringLiteral("120")));
        QCOMPARE(Configuration::read(QStringLiteral("zru"), QStringLiteral("exp")), QString());
        QCOMPARE(readBytes(m_path), QByteArray("[zru]\r\nspeed=120\r\n"));
    }

    void unwritableConfigurationIsToldOnce()
    {
        // The folder cannot be made: its parent is a file.
        const QString blocker = m_dir.filePath(QStringLiteral("blocker%1").arg(m_runs));
        writeBytes(blocker, "x");
        m_path = blocker + QStringLiteral("/ZRCconfig.ini");
        AppPaths::setConfigPath(m_path);
        QStringList told;
        Configuration::setWriteFailureNotice([&told](const QString &text) { told.append(text); });

        QVERIFY(!Configuration::write(QStringLiteral("zru"), QStringLiteral("exp"), QStringLiteral("1")));
        Configuration::writeDataVersion(3.2);
        {
            Configuration::selectForWriting();
            mIni::WriteBatch batch;
            mIni::IniWrite(QStringLiteral("zrc"), QStringLiteral("juese1"), QStringLiteral("张三"));
        }
        // A name that cannot be stored is no fault of the file.
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].contains(QDir::toNativeSeparators(m_path)));
        QVERIFY(told[0].contains(RegularFile::describe(RegularFile::Problem::FolderMissing)));
        QVERIFY(told[0].contains(QStringLiteral("--config")) && told[0].contains(QStringLiteral("ZRC_CONFIG")));

        // Another profile file failing is not the configuration's business.
        Configuration::rearmWriteFailureNotice();
        mIni::setIniFile(blocker + QStringLiteral("/other.ini"));
        QVERIFY(!mIni::IniWrite(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(told.size(), 1);
        Configuration::setWriteFailureNotice({});
    }

    void slotKeysInColumnOrder()
    {
        const QStringList keys = Configuration::slotKeys(3);
        QCOMPARE(keys.size(), 19);
        QCOMPARE(keys.first(), QStringLiteral("juese3"));
        QCOMPARE(keys[6], QStringLiteral("paodong3"));
        QCOMPARE(keys.last(), QStringLiteral("Zonghe3"));
    }

    void legacyFileIsReadUntilTheFirstWrite()
    {
        const QString legacy = m_dir.filePath(QStringLiteral("legacy%1.ini").arg(m_runs));
        const QByteArray old("[zrv]\r\nfver=3.2\r\nsver=\r\n");
        writeBytes(legacy, old);
        AppPaths::setLegacyConfigPath(legacy);
        QVERIFY(Configuration::exists());
        QCOMPARE(Configuration::read(QStringLiteral("zrv"), QStringLiteral("fver")), QStringLiteral("3.2"));
        QCOMPARE(Configuration::read(QStringLiteral("zrv"), QStringLiteral("sver")), QString());
        QVERIFY2(readBytes(legacy) == old, "reading changed the configuration in the system folder");
        QVERIFY(!QFileInfo::exists(m_path));

        Configuration::writeDataVersion(3.2);
        QCOMPARE(readBytes(m_path), QByteArray("[zrv]\r\nfver=3.2\r\nsver=3.2\r\n"));
        QCOMPARE(readBytes(legacy), old);
        QCOMPARE(Configuration::read(QStringLiteral("zrv"), QStringLiteral("fver")), QStringLiteral("3.2"));
    }

    void unwritableLocationRemembersNothing()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("blocker%1").arg(m_runs));
        writeBytes(blocker, "x");
        AppPaths::setConfigPath(blocker + QStringLiteral("/ZRCconfig.ini"));
        QVERIFY(!Configuration::write(QStringLiteral("zru"), QStringLiteral("exp"), QStringLiteral("100")));
        Configuration::writeDataVersion(3.2);
        QCOMPARE(Configuration::read(QStringLiteral("zru"), QStringLiteral("exp")), QString());
        QVERIFY(!Configuration::exists());
        AppPaths::setConfigPath(QString()); // no configuration folder at all
        QVERIFY(!Configuration::write(QStringLiteral("zru"), QStringLiteral("exp"), QStringLiteral("100")));
        QCOMPARE(Configuration::read(QStringLiteral("zru"), QStringLiteral("exp")), QString());
    }
};

QObject *newConfigurationTest() { return new ConfigurationTest; }

#include "ConfigurationTest.moc"
