#include "Configuration.h"

#include "AppPaths.h"
#include "Numbers.h"
#include "mIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool usingLegacy()
{
    const QString legacy = AppPaths::legacyConfigPath();
    return !legacy.isEmpty() && !QFileInfo::exists(AppPaths::configPath())
           && QFileInfo::exists(legacy);
}

} // namespace

QStringList Configuration::slotKeys(int n)
{
    QStringList keys;
    keys.reserve(int(SlotKeyStems.size()));
    for (const char16_t *stem : SlotKeyStems)
        keys.append(QString::fromUtf16(stem) + QString::number(n));
    return keys;
}

bool Configuration::exists()
{
    return QFileInfo::exists(path()) || usingLegacy();
}

QString Configuration::path()
{
    return AppPaths::configPath();
}

void Configuration::selectForReading()
{
    if (usingLegacy())
        mIni::setIniFile(AppPaths::legacyConfigPath(), mIni::Access::ReadOnly);
    else
        mIni::setIniFile(path(), mIni::Access::ReadWrite);
}

void Configuration::selectForWriting()
{
    const QString file = path();
    if (!file.isEmpty()) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (usingLegacy() && QFile::copy(AppPaths::legacyConfigPath(), file))
            QFile::setPermissions(file, QFile::permissions(file) | QFile::WriteOwner | QFile::ReadOwner);
    }
    mIni::setIniFile(file, mIni::Access::ReadWrite);
}

QString Configuration::read(const QString &section, const QString &key)
{
    selectForReading();
    return mIni::IniRead(section, key);
}

bool Configuration::write(const QString &section, const QString &key, const QString &value)
{
    selectForWriting();
    return mIni::IniWrite(section, key, value);
}

void Configuration::writeDataVersion(double sver)
{
    write(VersionSection, DataVersionKey, plainNumber(sver));
}
