#include "Sample.h"

#include "Cards.h"
#include "Database.h"
#include "GenerationError.h"
#include "TextFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

struct TourPage {
    const char16_t *title;
    const char16_t *text;
};

constexpr TourPage Tour[] = {
    {u"查角色", u"球队、角色、身高和十二项能力一目了然，还能看出与普通角色相比的高低。"},
    {u"算能力", u"职业、等级、身高、训练、VIP、衣物、饰品、队友，一步步加出最终能力。"},
    {u"小助手", u"升级助手、技能助手、选区助手和能力对比，打球之前先看看。"},
};

struct OutputFile {
    QString path;
    QByteArray bytes;
};

OutputFile gbkText(const QString &srcDir, const QString &outDir, const QString &name)
{
    return {outDir + u'/' + name, toGbkCrLf(readSource(srcDir + u'/' + name), name)};
}

// The program decodes fetched pages as GBK (the update check and the address
// lookup look for Chinese markers), so pages are shipped in GBK too and say so.
QList<OutputFile> pages(const QString &srcDir, const QString &outDir)
{
    static const QRegularExpression utf8Charset(u"charset\\s*=\\s*([\"']?)utf-8\\1"_qs,
                                                QRegularExpression::CaseInsensitiveOption);
    const QString from = srcDir + u"/pages"_qs;
    QList<OutputFile> files;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(from).relativeFilePath(path);
        const QString target = outDir + u"/pages/"_qs + relative;
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix != u"html" && suffix != u"htm") {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                fail(QStringLiteral("cannot read pages/%1").arg(relative));
            files.append({target, file.readAll()});
            continue;
        }
        QString html = readSource(path);
        if (!html.contains(utf8Charset))
            fail(QStringLiteral("pages/%1 does not declare charset=utf-8").arg(relative));
        html.replace(utf8Charset, u"charset=\\1gbk\\1"_qs);
        files.append({target, toGbkCrLf(html, u"pages/"_qs + relative)});
    }
    return files;
}

int writePictures(const Database &db, const QString &outDir)
{
    const QString dir = outDir + u"/ZRCimages"_qs;
    QSet<QString> written;
    auto write = [&](const QImage &image, const QString &name) {
        writeJpeg(image, dir + u'/' + name);
        written.insert(name);
    };

    // The fallback picture always exists, whatever the table says.
    write(portraitCard({u"普通角色"_qs, u"可选择"_qs, u"可设置"_qs, true}), u"普通角色.jpg"_qs);
    int portraits = 0;
    for (const CharacterCard &c : db.characters) {
        if (c.portrait && c.name != u"普通角色") {
            write(portraitCard(c), c.name + u".jpg"_qs);
            ++portraits;
        }
    }
    for (int page = 1; page <= 3; ++page)
        write(tourCard(page, QString::fromUtf16(Tour[page - 1].title), QString::fromUtf16(Tour[page - 1].text)),
              QStringLiteral("New%1.jpg").arg(page));

    // A picture left over from an earlier run would hide the fallback.
    for (const QString &name : QDir(dir).entryList({u"*.jpg"_qs}, QDir::Files))
        if (!written.contains(name))
            QFile::remove(dir + u'/' + name);
    return portraits;
}

} // namespace

QString generateSample(const QString &srcDir, const QString &outDir)
{
    // Everything is encoded before anything is written, so a bad source
    // leaves the previous sample as it was.
    const Database db = buildDatabase(srcDir);
    QList<OutputFile> files{
        {outDir + u"/ZRCdata.dat"_qs, toGbkCrLf(db.text, u"ZRCdata.dat"_qs)},
        gbkText(srcDir, outDir, u"说明文档.txt"_qs),
        gbkText(srcDir, outDir, u"ZRCendpoints.ini"_qs),
    };
    files += pages(srcDir, outDir);

    QDir(outDir + u"/pages"_qs).removeRecursively();
    for (const OutputFile &file : files)
        writeBytes(file.path, file.bytes);
    const int portraits = writePictures(db, outDir);
    return QStringLiteral("%1 characters, %2 portraits, written to %3")
        .arg(db.characters.size()).arg(portraits).arg(QDir(outDir).absolutePath());
}
