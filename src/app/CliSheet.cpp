#include "CliOutput.h"
#include "CliCommands.h"
#include "CliReplay.h"

#include "AbilitySheet.h"
#include "Endpoints.h"
#include "SheetLoader.h"
#include "zrc_version.h"

// zrc-cli sheet [--data-dir DIR] [--post] CHARACTER [LIST=ITEM]...
// zrc-cli sheet --from-sheet FILE [--data-dir DIR] [--post]
//
// Replays a build (see CliReplay.h) and prints its ability sheet exactly as
// the clipboard gets it (CR LF between lines, none after the last), or with
// --post the post text as it is before it goes into the share address.
// From a sheet, the status is that of `zrc-cli build --from-sheet`.

int runSheetCommand(const QStringList &args)
{
    const ReplayCommand command{QStringLiteral("sheet"),
                                QStringLiteral("zrc-cli sheet [--data-dir DIR] [--post] CHARACTER [LIST=ITEM]...\n"
                                               "       zrc-cli sheet --from-sheet FILE [--data-dir DIR] [--post]"),
                                {QStringLiteral("--post")}};
    return replayBuild(command, args, [](const BuildEngine &engine, const QSet<QString> &flags, const SheetLoad *load) {
        const AbilitySheet sheet = makeAbilitySheet(engine, VersionText::read(u"" ZRC_VERSION_STRING),
                                                    Endpoints::text(QStringLiteral("pages"), QStringLiteral("author")));
        writeOut(stdout, flags.contains(QStringLiteral("--post")) ? sheet.post : sheet.text());
        return load ? load->exitStatus() : 0;
    });
}
