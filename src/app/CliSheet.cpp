#include "CliCommands.h"
#include "CliReplay.h"

#include "AbilitySheet.h"
#include "Endpoints.h"
#include "zrc_version.h"

// zrc-cli sheet [--data-dir DIR] [--post] CHARACTER [LIST=ITEM]...
//
// Replays a build (see CliReplay.h) and prints its ability sheet exactly as
// the clipboard gets it (CR LF between lines, none after the last), or with
// --post the post text as it is before it goes into the share address.

int runSheetCommand(const QStringList &args)
{
    const ReplayCommand command{QStringLiteral("sheet"),
                                QStringLiteral("zrc-cli sheet [--data-dir DIR] [--post] CHARACTER [LIST=ITEM]..."),
                                {QStringLiteral("--post")}};
    return replayBuild(command, args, [](const BuildEngine &engine, const QSet<QString> &flags) {
        const AbilitySheet sheet = makeAbilitySheet(engine, VersionText::read(u"" ZRC_VERSION_STRING),
                                                    Endpoints::text(QStringLiteral("pages"), QStringLiteral("author")));
        writeOut(stdout, flags.contains(QStringLiteral("--post")) ? sheet.post : sheet.text());
        return 0;
    });
}
