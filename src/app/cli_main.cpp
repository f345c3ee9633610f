#include "CliCommands.h"
#include "zrc_version.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream err(stderr);
    err << "用法: zrc-cli ini get FILE SECTION KEY\n"
           "      zrc-cli ini set FILE SECTION KEY (VALUE | --delete)\n"
           "      zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]...\n"
           "      zrc-cli db check [--data-dir DIR]\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zrc-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZRC_VERSION_STRING));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("ini"))
        return runIniCommand(args);
    if (command == QLatin1String("build"))
        return runBuildCommand(args);
    if (command == QLatin1String("db"))
        return runDbCommand(args);
    if (command == QLatin1String("--version")) {
        QTextStream(stdout) << "zrc-cli " << ZRC_VERSION_STRING << '\n';
        return 0;
    }
    return usage();
}
