#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QStringList &installed()
{
    static QStringList files;
    return files;
}

} // namespace

bool loadQtTranslations(QCoreApplication &app)
{
    // Only the catalogue of Qt's base modules: the program shows no text of
    // any other module ("qt_zh_CN" would pull in qtmultimedia's as well).
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    if (!QCoreApplication::installTranslator(translator))
        return false;
    installed().append(translator->filePath());
    QObject::connect(translator, &QObject::destroyed, [file = translator->filePath()] { installed().removeOne(file); });
    return true;
}

QStringList installedQtTranslations() { return installed(); }
