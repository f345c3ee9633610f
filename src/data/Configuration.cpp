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

struct Notice {
    std::function<void(const QString &)> show;
    bool told = false;
};

Notice &notice()
{
    static Notice n;
    return n;
}

} // namespace

void Configuration::setWriteFailureNotice(std::function<void(const QString &text)> show)
{
    notice().show = std::move(show);
    notice().told = false;
    mIni::setWriteFailureHandler([](const QString &file, RegularFile::Problem problem) {
        Notice &n = notice();
        if (n.told || !n.show || QDir::cleanPath(file) != QDir::cleanPath(path()))
            return;
        n.told = true;
        n.show(writeFailureText(file, problem));
    });
}

void Configuration::rearmWriteFailureNotice()
{
    notice().told = false;
}

QString Configuration::writeFailureText(const QString &file, RegularFile::Problem problem)
{
    return QStringLiteral("无法保存设置文件：") + QDir::toNativeSeparators(file) + QStringLiteral("\n原因：")
           + RegularFile::describe(problem)
           + QStringLiteral("\n\n本次运行中的能力比较、升级助手的输入和数据版本都不会被记住。"
                            "\n可以用选项 --config 文件 或环境变量 ZRC_CONFIG 选择另一个可以写入的设置文件。");
}

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
