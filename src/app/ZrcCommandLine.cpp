#include "ZrcCommandLine.h"

#include "CommandLineHelp.h"
#include "ProgramArguments.h"
#include "QtTranslations.h"
#include "zrc_version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const QString Usage = QStringLiteral("用法: zrc [--data-dir DIR] [--config FILE]\n");

const QList<CliOption> &options()
{
    static const QList<CliOption> list{
        {{QStringLiteral("data-dir")}, QStringLiteral("DIR"),
         QStringLiteral("数据目录：ZRCdata.dat、ZRCimages、说明文档和端点文件所在的文件夹（环境变量 ZRC_DATA_DIR）")},
        {{QStringLiteral("config")}, QStringLiteral("FILE"),
         QStringLiteral("配置文件（环境变量 ZRC_CONFIG），默认为用户配置目录里的 ZRCconfig.ini")},
        helpOption(),
        versionOption(),
    };
    return list;
}

// The options QApplication takes for itself, accepted and left to it.
void addToolkitOptions(QCommandLineParser &parser)
{
    const char *withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                               "geometry", "style", "stylesheet", "name", "title", "visual"};
    const char *switches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char *name : withValue) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char *name : switches) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
}

QString help()
{
    return Usage
        + QStringLiteral("ZR角色助手 " ZRC_VERSION_STRING "：查看球队和角色，计算角色的十二项能力。\n"
                         "数据目录默认是程序所在的文件夹（其中有 ZRCdata.dat 时），否则是程序旁边的 ../share/zrc。\n\n"
                         "选项:\n")
        + optionLines(options());
}

void setUp(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -platform xcb
    for (const CliOption &o : options())
        parser.addOption(parserOption(o));
    addToolkitOptions(parser);
}

} // namespace

int answerCommandLine(int argc, char *argv[])
{
    // Only Qt's core here: nothing may need a display before the answer.
    // No application object and no catalogue either, unless Qt has a
    // refusal to say: every start would pay for them.
    const QStringList arguments = programArguments(argc, argv);
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(arguments)) {
        // Parsed again once Qt's Chinese texts are there: the refusal is
        // worded while parsing.
        QCoreApplication app(argc, argv);
        loadQtTranslations(app);
        QCommandLineParser worded;
        setUp(worded);
        worded.parse(arguments);
        writeErr(QStringLiteral("zrc: ") + worded.errorText() + u'\n' + Usage);
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        writeErr(u"zrc: 多余的参数 “" + parser.positionalArguments().constFirst() + u"”\n" + Usage);
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        writeOut(help());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        writeOut(QStringLiteral("zrc " ZRC_VERSION_STRING "\n"));
        return 0;
    }
    return -1;
}
