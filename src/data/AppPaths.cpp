#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

struct Paths {
    bool ready = false;
    QString dataDir;
    QString configPath;
    QString legacyConfigPath;
};

Paths &paths()
{
    static Paths p;
    return p;
}

// The value of `--name VALUE` or `--name=VALUE`; null when absent.
QString optionValue(const QStringList &arguments, const QString &name)
{
    const QString prefix = name + u'=';
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == name && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(prefix))
            return arguments[i].mid(prefix.size());
    }
    return QString();
}

QString chosen(const QStringList &arguments, const QString &option, const char *variable)
{
    const QString fromArguments = optionValue(arguments, option);
    if (!fromArguments.isEmpty())
        return fromArguments;
    return qEnvironmentVariable(variable);
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

void ensureReady()
{
    if (!paths().ready)
        AppPaths::init(QStringList());
}

} // namespace

void AppPaths::init(const QStringList &arguments)
{
    Paths &p = paths();
    p.ready = true;

    p.dataDir = findDataDir(chosen(arguments, QStringLiteral("--data-dir"), "ZRC_DATA_DIR"),
                            QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                         : QDir::currentPath());

    const QString config = chosen(arguments, QStringLiteral("--config"), "ZRC_CONFIG");
    p.legacyConfigPath.clear();
    if (!config.isEmpty()) {
        p.configPath = absolute(config);
    } else {
        // No such folder (no home directory): nothing is remembered.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        p.configPath = folder.isEmpty() ? QString() : folder + u'/' + ConfigFileName;
#ifdef Q_OS_WIN
        p.legacyConfigPath = QStringLiteral("C:/Windows/") + ConfigFileName;
#endif
    }
}

QString AppPaths::findDataDir(const QString &chosen, const QString &programDir)
{
    if (!chosen.isEmpty())
        return absolute(chosen);
    if (QFileInfo::exists(programDir + QStringLiteral("/ZRCdata.dat")))
        return programDir;
    const QString shared = QDir::cleanPath(programDir + QStringLiteral("/../share/zrc"));
    if (QFileInfo(shared).isDir())
        return shared;
    // Neither: the program's folder, where the missing-database warning sends the user.
    return programDir;
}

QString AppPaths::dataDir()
{
    ensureReady();
    return paths().dataDir;
}

QString AppPaths::configPath()
{
    ensureReady();
    return paths().configPath;
}

QString AppPaths::legacyConfigPath()
{
    ensureReady();
    return paths().legacyConfigPath;
}

QString AppPaths::databasePath() { return dataDir() + QStringLiteral("/ZRCdata.dat"); }
QString AppPaths::imagesDir() { return dataDir() + QStringLiteral("/ZRCimages"); }
QString AppPaths::readmePath() { return dataDir() + QStringLiteral("/说明文档.txt"); }
QString AppPaths::endpointsPath() { return dataDir() + QStringLiteral("/ZRCendpoints.ini"); }

void AppPaths::setDataDir(const QString &dir)
{
    ensureReady();
    paths().dataDir = dir;
}

void AppPaths::setConfigPath(const QString &file)
{
    ensureReady();
    paths().configPath = file;
}

void AppPaths::setLegacyConfigPath(const QString &file)
{
    ensureReady();
    paths().legacyConfigPath = file;
}
