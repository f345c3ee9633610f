#include "DatabaseCheck.h"
#include "CodePage936.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#  include <sys/stat.h>
#endif

// `zrc-cli db check` for the maintainers of the game database: the bundled
// sample passes; each broken copy is caught at its line, with what the
// program will do.
class DatabaseCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_sample;
    int m_copies = 0;

    // A copy of the sample data folder with the database text changed.
    QString copy(const QString &databaseText)
    {
        const QString dir = m_dir.filePath(QStringLiteral("copy%1").arg(++m_copies));
        QDir().mkpath(dir + QStringLiteral("/ZRCimages"));
        writeBytes(dir + QStringLiteral("/ZRCdata.dat"), gbk(databaseText));
        const QDir images(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCimages"));
        for (const QString &name : images.entryList(QDir::Files))
            QFile::copy(images.filePath(name), dir + QStringLiteral("/ZRCimages/") + name);
        return dir;
    }

    QString sampleText() const { return CodePage936::decode(m_sample); }

    static QStringList wrongs(const DatabaseCheck &check)
    {
        QStringList out;
        for (const auto &f : check.findings)
            if (f.kind == DatabaseFinding::Kind::Wrong)
                out.append(f.file + u':' + QString::number(f.line) + u' ' + f.text);
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_sample = readBytes(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat"));
        QVERIFY(m_sample.size() > 1000);
    }

    void sampleIsClean()
    {
        const DatabaseCheck check = DatabaseCheck::run(QStringLiteral(ZRC_TEST_SAMPLE_DIR), PictureHeader::inspect);
        QVERIFY2(check.wrongCount() == 0, qPrintable(wrongs(check).join(u'\n')));
    }

    void brokenCopiesAreCaughtAtTheirLine_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("finding"); // "LINE TEXT" part of one finding
        auto row = [](const char *name, const char *from, const char *to, const char *finding) {
            QTest::newRow(name) << QString::fromUtf8(from) << QString::fromUtf8(to) << QString::fromUtf8(finding);
        };
        row("ability not a number", "跑动=45\r\n弹跳=12", "跑动=快\r\n弹跳=12", ":181 角色“林晓风”的“跑动”“快”不是整数");
        row("ability missing", "跑动=45\r\n弹跳=12", "弹跳=12", ":175 角色“林晓风”的“跑动”缺失");
        row("unknown class", "职业=G\r\n推荐职业=SG\r\n身高=偏矮", "职业=X\r\n推荐职业=SG\r\n身高=偏矮", ":178 角色“林晓风”的职业“X”");
        row("duplicate key", "性别=男\r\n职业=G\r\n推荐职业=SG\r\n身高=偏矮", "性别=男\r\n性别=女\r\n职业=G\r\n推荐职业=SG\r\n身高=偏矮",
            ":178 键“性别”重复（第 177 行已有）");
        row("duplicate section", "[西岭飞鹰]", "[东港海鸥]", ":22 节“东港海鸥”重复（第 15 行已有）");
        row("team without its section", "[西岭飞鹰]", "[西岭飞鹰x]", "球队“西岭飞鹰”没有自己的节");
        row("member without a record", "角色1=林晓风", "角色1=无名氏", "角色“无名氏”没有自己的节");
        row("skill without a detail", "[C]\r\n技能1=铁闸卡位", "[C]\r\n技能1=不存在的技能", "技能“不存在的技能”没有自己的节");
        row("data version not a number", "数据版本=3.1", "数据版本=三点一", ":2 “数据信息”的“数据版本”不是数字");
        row("value over 143 bytes", "性别=男", "性别=男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男男",
            ":157 “性别”的值超过 143 字节");
    }

    void brokenCopiesAreCaughtAtTheirLine()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, finding);
        QString text = sampleText();
        QVERIFY2(text.contains(from), "the sample changed: pick another line");
        text.replace(text.indexOf(from), from.size(), to);
        const DatabaseCheck check = DatabaseCheck::run(copy(text));
        const QStringList found = wrongs(check);
        QVERIFY2(found.join(u'\n').contains(finding), qPrintable(found.join(u'\n')));
    }

    void markupIsNotedAsShownAsText()
    {
        QString text = sampleText();
        text.replace(text.indexOf(QStringLiteral("性别=男")), 4, QStringLiteral("性别=<img src=\"/dev/zero\">男"));
        text.replace(text.indexOf(QStringLiteral("性别=男")), 4, QStringLiteral("性别=男<3 >5"));
        const DatabaseCheck check = DatabaseCheck::run(copy(text));
        QStringList notes;
        for (const auto &f : check.findings)
            if (f.kind == DatabaseFinding::Kind::Note && f.text.contains(QStringLiteral("shown as text")))
                notes.append(QString::number(f.line) + u' ' + f.text);
        // Noted, not wrong; a comparison that merely holds "<" is not markup.
        QCOMPARE(notes, QStringList{QStringLiteral("157 “性别”的值像网页标记：程序按文字原样显示（shown as text）")});
        QCOMPARE(check.wrongCount(), 0);
    }

    void undecodableBytesAndPicturesAreCaught()
    {
        QByteArray bytes = m_sample;
        bytes.replace(QByteArray("\xC4\xD0"), QByteArray("\x81\x20")); // 男 in GBK: the first on line 177
        const QString dir = m_dir.filePath(QStringLiteral("bytes"));
        QDir().mkpath(dir + QStringLiteral("/ZRCimages"));
        writeBytes(dir + QStringLiteral("/ZRCdata.dat"), bytes);
        writeBytes(dir + QStringLiteral("/ZRCimages/普通角色.jpg"), "not a picture");
        // A JPEG signature and garbage; a real JPEG whose header claims 20000×20000.
        writeBytes(dir + QStringLiteral("/ZRCimages/New1.jpg"), QByteArray("\xFF\xD8\xFF\xE0") + QByteArray(600, '\x7F'));
        QImage small(8, 8, QImage::Format_RGB32);
        small.fill(Qt::red);
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        QVERIFY(small.save(&jpeg, "JPEG"));
        QByteArray huge = jpeg.data();
        const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0"));
        QVERIFY(sof > 0);
        huge.replace(sof + 5, 4, QByteArray("\x4E\x20\x4E\x20"));
        writeBytes(dir + QStringLiteral("/ZRCimages/New2.jpg"), huge);
#ifndef Q_OS_WIN
        QCOMPARE(::mkfifo(QFile::encodeName(dir + QStringLiteral("/ZRCimages/New3.jpg")).constData(), 0600), 0);
#endif
        const DatabaseCheck check = DatabaseCheck::run(dir, PictureHeader::inspect);
        const QString found = wrongs(check).join(u'\n');
        QVERIFY2(found.contains(QStringLiteral("ZRCimages/New1.jpg:0 图片无法解码")), qPrintable(found));
        QVERIFY2(!found.contains(QStringLiteral("New2.jpg")), qPrintable(found));
        QVERIFY(std::any_of(check.findings.begin(), check.findings.end(), [](const DatabaseFinding &f) {
            return f.kind == DatabaseFinding::Kind::Note && f.file == u"ZRCimages/New2.jpg"
                   && f.text.startsWith(QStringLiteral("图片很大（20000×20000）"));
        }));
        QVERIFY2(found.contains(QStringLiteral("ZRCdata.dat:177 含有无法按 GBK 解码的字节")), qPrintable(found));
        QVERIFY2(found.contains(QStringLiteral("ZRCimages/普通角色.jpg:0 不是 JPEG 图片")), qPrintable(found));
#ifndef Q_OS_WIN
        QVERIFY2(found.contains(QStringLiteral("ZRCimages/New3.jpg:0 不是普通文件")), qPrintable(found));
#endif
    }

    void missingDatabaseIsOneFinding()
    {
        const DatabaseCheck check = DatabaseCheck::run(m_dir.filePath(QStringLiteral("nothing")));
        QCOMPARE(check.wrongCount(), 1);
        QVERIFY(check.findings[0].text.startsWith(QStringLiteral("找不到文件")));
    }
};

QObject *newDatabaseCheckTest() { return new DatabaseCheckTest; }

#include "DatabaseCheckTest.moc"
