// Opens the share window with the post of a sample build, for the
// screenshot in docs/ (see docs/sharing.md):
//   share_window_shot --data-dir DIR CHARACTER [LIST=ITEM]...
// It stays open until it is ended.

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "BuildEngine.h"
#include "Endpoints.h"
#include "GameDatabase.h"
#include "ShareWindowOpen.h"
#include "Versions.h"
#include "zrc_version.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
    AppPaths::init(QApplication::arguments());
    QStringList words;
    const QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--data-dir")
            ++i;
        else
            words.append(args[i]);
    }
    if (words.isEmpty())
        words = {QStringLiteral("陆星河"), QStringLiteral("ZYe=PG"), QStringLiteral("Dji=45级")};

    const GameDatabase db(AppPaths::databasePath());
    BuildEngine engine([&db](const QString &name) { return db.record(name); });
    engine.Xingming_Click(words.takeFirst());
    for (const QString &pick : std::as_const(words))
        engine.pick(pick.section(u'=', 0, 0), pick.section(u'=', 1));

    Versions::run().setFver(VersionText::read(u"" ZRC_VERSION_STRING));
    const AbilitySheet sheet = makeAbilitySheet(engine, Versions::run().Fver(),
                                                Endpoints::text(QStringLiteral("pages"), QStringLiteral("author")));
    ShareWindowOpen(sheet.post, AbilitySheetTexts::ShareTitle);
    return app.exec();
}
