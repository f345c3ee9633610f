// zrc-samplegen: turns the readable sample sources (UTF-8, LF) into the data
// folder the program reads (GBK, CR LF, JPEG pictures).
#include "Cards.h"
#include "GenerationError.h"
#include "Sample.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Drawing needs a platform plugin but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates the bundled sample data of ZR角色助手."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("folder of the sources (sample/src)"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("data folder to write"));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zrc-samplegen <source dir> <output dir>\n");
        return 2;
    }

    try {
        chooseCardFont();
        const QString summary = generateSample(args[0], args[1]);
        std::printf("zrc-samplegen: %s\n", summary.toLocal8Bit().constData());
    } catch (const GenerationError &e) {
        std::fprintf(stderr, "zrc-samplegen: error: %s\n", e.message.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
