#include "CliOutput.h"
#include "CliCommands.h"
#include "CliReplay.h"

#include "AppPaths.h"
#include "BuildEngine.h"
#include "BuildCardLayout.h"
#include "BuildPictures.h"
#include "RegularFile.h"
#include "zrc_version.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>

// zrc-cli card [--data-dir DIR] --out FILE.png [--scale 1|1.5|2] CHARACTER [LIST=ITEM]...
//
// Replays a build (see CliReplay.h) and writes the picture the main window
// copies: the same card, drawn offscreen (main() makes the only
// QGuiApplication of zrc-cli for this command).

namespace {

const QString Usage = QStringLiteral("zrc-cli card [--data-dir DIR] --out FILE.png [--scale 1|1.5|2] CHARACTER [LIST=ITEM]...");

int fail(const QString &message)
{
    writeOut(stderr, u"zrc-cli card: " + message + u'\n');
    return 2;
}

} // namespace

int runCardCommand(const QStringList &args)
{
    // --out and --scale take values; everything else goes to the replay.
    QString out, scaleText = QStringLiteral("1");
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        QString *value = a == u"--out" || a.startsWith(u"--out=")       ? &out
                         : a == u"--scale" || a.startsWith(u"--scale=") ? &scaleText
                                                                          : nullptr;
        if (!value) {
            rest.append(a);
        } else if (a.contains(u'=')) {
            *value = a.section(u'=', 1);
        } else if (i + 1 < args.size()) {
            *value = args[++i];
        } else {
            return fail(a + QStringLiteral(" 需要一个值"));
        }
    }
    if (out.isEmpty())
        return fail(u"缺少 --out FILE.png\n用法: " + Usage);
    if (scaleText != u"1" && scaleText != u"1.5" && scaleText != u"2")
        return fail(u"--scale 只能是 1、1.5 或 2: " + scaleText);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(QStringLiteral("画图需要 QGuiApplication"));

    const ReplayCommand command{QStringLiteral("card"), Usage, {}};
    return replayBuild(command, rest, [&](const BuildEngine &engine, const QSet<QString> &, const SheetLoad *) {
        const BuildCardLayout layout = buildCardLayout(buildCardFacts(engine, VersionText::read(u"" ZRC_VERSION_STRING)));
        const QImage image =
            paintBuildCard(layout, loadPortrait(AppPaths::imagesDir(), engine.characterName()), scaleText.toDouble());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const RegularFile::Problem problem =
            image.save(&buffer, "PNG") ? RegularFile::write(out, png) : RegularFile::Problem::Failed;
        if (problem != RegularFile::Problem::None) {
            writeOut(stderr, u"zrc-cli card: " + QDir::toNativeSeparators(out) + u": " + RegularFile::describe(problem)
                                 + u'\n');
            return 1;
        }
        writeOut(stdout, QStringLiteral("%1 (%2×%3)\n").arg(QDir::toNativeSeparators(out)).arg(image.width()).arg(image.height()));
        return 0;
    });
}
