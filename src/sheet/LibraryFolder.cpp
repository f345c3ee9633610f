#include "LibraryFolder.h"

#include "CodePage936.h"
#include "Configuration.h"
#include "SheetFile.h"

#include <QDir>

namespace LibraryFolder {
namespace {

QString &thisRun()
{
    static QString path;
    return path;
}

} // namespace

QString current()
{
    if (!thisRun().isEmpty())
        return thisRun();
    const QString stored = Configuration::read(Section, Key);
    return stored.isEmpty() ? SheetFile::suggestedFolder() : stored;
}

bool storable(const QString &path)
{
    const QByteArray bytes = CodePage936::encode(path);
    // Blanks at either end would be trimmed away on reading.
    return bytes.size() <= MaxBytes && CodePage936::decode(bytes) == path && path.trimmed() == path;
}

bool choose(const QString &path)
{
    const QString folder = QDir::cleanPath(path);
    if (storable(folder) && Configuration::write(Section, Key, folder)) {
        thisRun().clear();
        return true;
    }
    thisRun() = folder;
    return false;
}

bool forThisRunOnly() { return !thisRun().isEmpty(); }

void reset() { thisRun().clear(); }

} // namespace LibraryFolder
