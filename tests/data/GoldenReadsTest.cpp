#include "ProfileDocument.h"
#include "TestFiles.h"

#include <QFile>
#include <QTest>

// The reader against what the Windows profile function returned for the
// same files (tests/data/golden: the files, the reads, and the program that
// asked for them). Every read agrees except where this reader departs on
// purpose, listed here with the reason.
class GoldenReadsTest : public QObject {
    Q_OBJECT

    struct Departure {
        const char *file;
        const char *key;
        const char *why;
    };
    static constexpr Departure Departures[] = {
        {"long.ini", "q143",
         "a quoted value of 143 bytes keeps all 143; the function loses the last one to its quotes"},
        {"values.ini", "broken",
         "a lead byte before a byte that cannot trail it reads as one replacement character and the "
         "byte after it is kept; the function swallows both"},
    };

    static const Departure *departure(const QString &file, const QByteArray &key)
    {
        for (const Departure &d : Departures)
            if (file == QLatin1String(d.file) && key == d.key)
                return &d;
        return nullptr;
    }

private Q_SLOTS:
    void everyGoldenReadAgrees()
    {
        const QString dir = QStringLiteral(ZRC_TEST_SOURCE_DIR "/golden/");
        QFile reads(dir + QStringLiteral("reads.tsv"));
        QVERIFY(reads.open(QIODevice::ReadOnly));
        QStringList wrong;
        int count = 0, departed = 0;
        while (!reads.atEnd()) {
            const QList<QByteArray> cols = reads.readLine().trimmed().split('\t');
            if (cols.size() < 4)
                continue;
            ++count;
            const QString file = QString::fromLatin1(cols[0]);
            auto unhex = [](const QByteArray &h) { return h == "-" ? QByteArray() : QByteArray::fromHex(h); };
            const QByteArray section = unhex(cols[1]);
            const QByteArray key = unhex(cols[2]);
            const QByteArray expected = cols.size() > 4 ? QByteArray::fromHex(cols[4]) : QByteArray();

            QFile f(dir + QStringLiteral("files/") + file);
            const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            const ProfileDocument doc = ProfileDocument::parse(bytes);
            const QByteArray got = ProfileText::encode(doc.value(CodePage936::decode(section), CodePage936::decode(key)),
                                                       ProfileText::Encoding::Gbk);
            const Departure *d = departure(file, key);
            if (d) {
                ++departed;
                QVERIFY2(got != expected, qPrintable(file + u" departs no more: " + QLatin1String(d->why)));
            } else if (got != expected) {
                wrong.append(file + u" [" + QString::fromLatin1(section.toHex()) + u"] "
                             + QString::fromLatin1(key.toHex()) + u": read " + QString::fromLatin1(got.toHex())
                             + u", expected " + QString::fromLatin1(expected.toHex()));
            }
        }
        QVERIFY2(count > 150, "the golden reads are missing");
        QCOMPARE(departed, int(std::size(Departures)));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QObject *newGoldenReadsTest() { return new GoldenReadsTest; }

#include "GoldenReadsTest.moc"
