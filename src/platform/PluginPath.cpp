#include "PluginPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programPluginPath(const QString &name, const QString &programDir)
{
#if defined(Q_OS_WIN)
    const QString suffix = QStringLiteral(".dll");
#else
    const QString suffix = QStringLiteral(".so");
#endif
    // Beside the program in the build tree and a copied folder; in the
    // private library folder when installed.
    const QString beside = QDir(programDir).filePath(name);
    const QString installed = QDir::cleanPath(programDir + QStringLiteral("/../lib/zrc/") + name);
    if (!QFileInfo::exists(beside + suffix) && QFileInfo::exists(installed + suffix))
        return installed;
    return beside;
}

QString programPluginPath(const QString &name)
{
    return programPluginPath(name, QCoreApplication::applicationDirPath());
}
