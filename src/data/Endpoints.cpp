#include "Endpoints.h"

#include "AppPaths.h"
#include "mIni.h"

#include <QDir>

QString Endpoints::text(const QString &section, const QString &key)
{
    mIni::setIniFile(AppPaths::endpointsPath(), mIni::Access::ReadOnly);
    return mIni::IniRead(section, key);
}

QUrl Endpoints::page(const QString &key)
{
    return resolve(text(QStringLiteral("pages"), key), AppPaths::dataDir());
}

QStringList Endpoints::zone(int n)
{
    QStringList addresses;
    const QString list = text(QStringLiteral("zones"), QStringLiteral("zone") + QString::number(n));
    for (const QString &part : list.split(u',', Qt::SkipEmptyParts)) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            addresses.append(address);
    }
    return addresses;
}

QUrl Endpoints::resolve(const QString &value, const QString &baseDir)
{
    if (value.isEmpty())
        return QUrl();
    // Only these schemes count as URLs; anything else (C:\…, a/b.html) is a path.
    for (const char *scheme : {"http://", "https://", "file:"}) {
        if (value.startsWith(QLatin1StringView(scheme), Qt::CaseInsensitive))
            return QUrl(value);
    }
    return QUrl::fromLocalFile(QDir::cleanPath(QDir(baseDir).absoluteFilePath(value)));
}
