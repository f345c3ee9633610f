#include "CodePage936.h"

#include <QTest>

// Code page 936 gives the same text on every platform, whichever converter
// is underneath (ICU on Linux, the system's own on Windows), whatever the
// system's own code page.
class CodePage936Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("Chinese") << QByteArray("\xD6\xD0\xCE\xC4 ok") << QStringLiteral("中文 ok");
        QTest::newRow("euro and 0xFF") << QByteArray("\x80\xFF") << QStringLiteral("\u20AC\uF8F5");
        QTest::newRow("user-defined area") << QByteArray("\xAA\xA1\xA1\x40") << QStringLiteral("\uE000\uE4C6");
        // A broken lead byte is one U+FFFD and takes nothing after it.
        QTest::newRow("lead before space") << QByteArray("\x81 a") << QStringLiteral("\uFFFD a");
        QTest::newRow("lead before 0x7F") << QByteArray("\xA1\x7F") << QStringLiteral("\uFFFD\x7F");
        QTest::newRow("lead before 0xFF") << QByteArray("\xA1\xFF") << QStringLiteral("\uFFFD\uF8F5");
        QTest::newRow("lead cut off") << QByteArray("a\xD6") << QStringLiteral("a\uFFFD");
        QTest::newRow("broken, then good") << QByteArray("\x81\x30\xD6\xD0") << QStringLiteral("\uFFFD0中");
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(CodePage936::decode(bytes), text);
    }

    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Chinese") << QStringLiteral("中文 ok") << QByteArray("\xD6\xD0\xCE\xC4 ok");
        QTest::newRow("euro, middle dot") << QStringLiteral("\u20AC\u00B7") << QByteArray("\x80\xA1\xA4");
        // No "best fit": a letter GBK lacks is not written as its base letter.
        QTest::newRow("missing letter") << QStringLiteral("\u00C0\u30FB") << QByteArray("??");
        QTest::newRow("beyond the BMP") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogates") << (QString(QChar(0xDC00)) + u'x' + QChar(0xD800)) << QByteArray("?x?");
        QTest::newRow("invisible format characters")
            << QStringLiteral("a\u00AD\u200Bb\uFEFF\U000E0001") << QByteArray("ab");
    }
    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage936::encode(text), bytes);
    }
};

QObject *newCodePage936Test() { return new CodePage936Test; }

#include "CodePage936Test.moc"
