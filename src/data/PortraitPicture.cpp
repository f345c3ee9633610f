#include "PortraitPicture.h"

#include <QDir>
#include <QFileInfo>

QStringList portraitPictures(const QString &imagesDir, const QString &name)
{
    const QDir dir(imagesDir);
    QStringList found;
    // A name is a section of the database, not a path: one that would step
    // out of the pictures folder gets the ordinary picture.
    const bool plainName = !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\')
        && name != QLatin1String("..");
    if (plainName) {
        const QString own = dir.filePath(name + QStringLiteral(".jpg"));
        if (QFileInfo(own).isFile())
            found.append(own);
    }
    const QString ordinary = dir.filePath(QStringLiteral("普通角色.jpg"));
    if (QFileInfo(ordinary).isFile() && !found.contains(ordinary))
        found.append(ordinary);
    return found;
}
