#include "ShellWorld.h"

#include "AppPaths.h"
#include "ShareWindowOpen.h"
#include "Versions.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QTest>

ShellWorld::ShellWorld()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("ZRCimages"));
    AppPaths::setDataDir(m_dir.path());
    AppPaths::setConfigPath(configPath());
    AppPaths::setLegacyConfigPath(QString());
    Versions::run().reset();
    setShareWindowOpen([this](const QString &post, const QString &title) { shares.append({post, title}); });

    writeGbk(QStringLiteral("ZRCdata.dat"),
             QStringLiteral("[数据信息]\r\n数据版本=3.1\r\n变更内容=新增角色“林风”。\r\n"
                            "[所有球队]\r\n球队1=雷霆队\r\n"));
    const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        QImage picture(PictureSizes[i], QImage::Format_RGB32);
        picture.fill(colours[i]);
        picture.save(path(QStringLiteral("ZRCimages/New%1.jpg").arg(i + 1)), "JPG");
    }
    writeGbk(QStringLiteral("说明文档.txt"), ReadmeText);
    writePages(QStringLiteral("author=pages/author.html"));
}

ShellWorld::~ShellWorld()
{
    setShareWindowOpen({});
    Versions::run().reset();
}

void ShellWorld::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void ShellWorld::writeGbk(const QString &name, const QString &text)
{
    writeFile(name, QStringEncoder("GBK").encode(text));
}

void ShellWorld::remove(const QString &name) { QVERIFY(QFile::remove(path(name))); }

void ShellWorld::writeVersions(const QString &lines)
{
    writeGbk(QStringLiteral("ZRCconfig.ini"), QStringLiteral("[zrv]\r\n") + lines + QStringLiteral("\r\n"));
}

QString ShellWorld::stored(const QString &key) const
{
    // Read straight from the file, past the program's own reader.
    QFile file(configPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray l = line.trimmed();
        if (l.startsWith(QByteArray(key.toLatin1() + '=')))
            return QString::fromLatin1(l.mid(key.size() + 1));
    }
    return QString();
}

void ShellWorld::writePages(const QString &lines)
{
    writeGbk(QStringLiteral("ZRCendpoints.ini"), QStringLiteral("[pages]\r\n") + lines + QStringLiteral("\r\n"));
}
