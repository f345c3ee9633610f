// The file layer on real files: what mIni reads from a file is what the
// document reads from its bytes; a write reaches the disk whole and reads
// back; a read-only file is never changed.
#include "FuzzCheck.h"
#include "ProfileDocument.h"
#include "RegularFile.h"
#include "mIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static int n = 0;
    FuzzInput in(data, size);
    const uint8_t op = in.byte();
    const QString section = QString::fromUtf8(in.chunk(16));
    const QString key = QString::fromUtf8(in.chunk(16));
    const QString value = QString::fromUtf8(in.chunk(64));
    const QByteArray bytes = in.rest();

    // A fresh path each time: the cache must not answer from an earlier input.
    const QString path = dir.filePath(QStringLiteral("f%1.ini").arg(++n));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly), "cannot make the test file");
        f.write(bytes);
    }
    const ProfileDocument doc = ProfileDocument::parse(bytes);
    QString expected = doc.value(section, key);
    expected.remove(QChar(u'\0'));

    mIni::setIniFile(path, mIni::Access::ReadOnly);
    const QString read = mIni::IniRead(section, key);
    qsizetype b = 0, e = expected.size();
    while (b < e && expected[b] == u' ')
        ++b;
    while (e > b && expected[e - 1] == u' ')
        --e;
    FUZZ_CHECK(read == expected.mid(b, e - b), "mIni read another value than the document holds");
    FUZZ_CHECK(RegularFile::read(path).bytes == bytes, "a read-only read changed the file");

    if (op & 1) {
        mIni::setIniFile(path, mIni::Access::ReadWrite);
        const QString v = (op & 2) ? QString() : value;
        if (mIni::IniWrite(section, key, v)) {
            const QByteArray now = RegularFile::read(path).bytes;
            const QByteArray want = v.isNull() ? doc.withoutKey(section, key) : doc.withValue(section, key, QString(v).replace(u'\r', u' ').replace(u'\n', u' '));
            FUZZ_CHECK(now == want || (now.isEmpty() && want.isEmpty()), "the file on disk is not the edited document");
        }
    }
    QFile::remove(path);
    return 0;
}
