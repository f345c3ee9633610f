#include "StartUp.h"

#include "AppPaths.h"
#include "Configuration.h"
#include "HttpGet.h"
#include "MessageBox.h"
#include "NoticeTexts.h"
#include "Versions.h"

#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace StartUp {

bool checkDatabase()
{
    // Only a regular file is a database; anything else is never opened.
    if (RegularFile::kind(AppPaths::databasePath()) == RegularFile::Problem::None)
        return true;
    MessageBox::show(NoticeTexts::DatabaseMissing, MessageBox::Icon::Warning,
                     NoticeTexts::DatabaseMissingTitle);
    return false;
}

void ensureConfiguration()
{
    if (!Configuration::exists())
        Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey,
                             QStringLiteral("1.0"));
}

void fixVersions()
{
    Versions &versions = Versions::run();
    versions.setFver(Versions::programVersion());
    versions.setSver0(VersionText::read(
        Configuration::read(Configuration::VersionSection, QStringLiteral("Sver"))));
}

bool tourSeen()
{
    bool isNumber = false;
    const float stored =
        Configuration::read(Configuration::VersionSection, Configuration::ProgramVersionKey)
            .toFloat(&isNumber);
    return isNumber && stored == Versions::run().Fver();
}

void recordTourSeen()
{
    Versions &versions = Versions::run();
    const QString fver = VersionText::plain(versions.Fver());
    Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey, fver);
    Configuration::write(Configuration::VersionSection, Configuration::DataVersionKey, fver);
    versions.setSver(versions.Fver());
}

QString tourPicturePath(int n)
{
    return AppPaths::imagesDir() + QStringLiteral("/New") + QString::number(n) + QStringLiteral(".jpg");
}

QString readmeText()
{
    // Only a regular file is read: a FIFO in its place would block for good.
    const RegularFile::Contents file = RegularFile::read(AppPaths::readmePath());
    if (!file.ok())
        return NoticeTexts::ReadmeMissing;
    return decodeGbk(file.bytes);
}

} // namespace StartUp
