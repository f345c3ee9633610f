#include "CliOutput.h"
#include "CliCommands.h"
#include "CliReplay.h"

#include "AppPaths.h"
#include "BestBuild.h"
#include "GameDatabase.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// zrc-cli best [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]... --maximise OBJECTIVE
//
// The exact best build (see BestBuild.h). Standard output holds only the
// LIST=ITEM words, so `zrc-cli build CHARACTER $(zrc-cli best …)` replays
// it; the values go to standard error. Unlike `build`, a constraint no build
// meets is an error (status 2), not a warning.

namespace {

const QString Usage = QStringLiteral("用法: zrc-cli best [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]... "
                                     "--maximise OBJECTIVE\n");

int fail(const QString &message, bool usage = false)
{
    writeOut(stderr, u"zrc-cli best: " + message + u'\n' + (usage ? Usage : QString()));
    return 2;
}

QString valuesText(const BestBuildResult &r, const BuildObjective &objective)
{
    QString out;
    for (int i = 0; i < AbilityCount; ++i)
        out += Abilities[i].name.toString() + u"  " + r.texts[i].rightJustified(5) + u'\n';
    out += u"综合  " + r.total.rightJustified(5) + u'\n';
    out += u"目标  " + objective.text + u" = " + scoreText(r.score) + u'\n';
    return out;
}

QJsonObject json(const QString &character, const BuildObjective &objective, const BestBuildResult &r, qint64 ms)
{
    QJsonArray picks;
    for (const BestPick &p : r.picks)
        picks.append(QJsonArray{listName(p.list), p.item});
    QJsonObject abilities;
    for (int i = 0; i < AbilityCount; ++i)
        abilities.insert(Abilities[i].name.toString(), r.values[i]);
    return {
        {QStringLiteral("character"), character},
        {QStringLiteral("objective"), objective.text},
        {QStringLiteral("value"), scoreText(r.score).toDouble()},
        {QStringLiteral("picks"), picks},
        {QStringLiteral("abilities"), abilities},
        {QStringLiteral("total"), r.total.toDouble()},
        {QStringLiteral("searched"), double(r.searched)},
        {QStringLiteral("ms"), double(ms)},
    };
}

} // namespace

int runBestCommand(const QStringList &args)
{
    bool asJson = false;
    QString dataDir;
    std::optional<QString> objectiveText;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--json") {
            asJson = true;
        } else if (a == u"--data-dir" || a == u"--maximise") {
            if (i + 1 >= args.size())
                return fail(a + QStringLiteral(" 需要一个值"), true);
            (a == u"--data-dir" ? dataDir : objectiveText.emplace()) = args[++i];
        } else if (a.startsWith(u"--data-dir=")) {
            dataDir = a.mid(11);
        } else if (a.startsWith(u"--maximise=")) {
            objectiveText = a.mid(11);
        } else {
            words.append(a);
        }
    }
    if (words.isEmpty() || !objectiveText)
        return fail(words.isEmpty() ? QStringLiteral("缺少角色") : QStringLiteral("缺少 --maximise OBJECTIVE"), true);

    QString why;
    const std::optional<BuildObjective> objective = BuildObjective::parse(*objectiveText, &why);
    if (!objective)
        return fail(why);

    BestBuildRequest request;
    request.objective = *objective;
    const QString character = words.takeFirst();
    for (const QString &w : std::as_const(words)) {
        const qsizetype eq = w.indexOf(u'=');
        if (eq <= 0)
            return fail(u"应为 LIST=ITEM: " + w, true);
        const std::optional<ListId> id = listByName(w.left(eq));
        if (!id)
            return fail(u"没有这个列表: " + w.left(eq));
        request.constraints.append({*id, w.mid(eq + 1)});
    }

    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});
    if (const QString why = unreadableDatabase(); !why.isEmpty())
        return fail(why);
    const GameDatabase db(AppPaths::databasePath());
    if (!db.allCharacters().contains(character))
        return fail(u"没有这个角色: " + character);
    request.record = db.record(character);

    QElapsedTimer timer;
    timer.start();
    const BestBuildResult result = findBestBuild(request);
    const qint64 ms = timer.elapsed();
    if (result.status != BestBuildResult::Found)
        return fail(result.reason);

    if (asJson) {
        writeOut(stdout, QString::fromUtf8(QJsonDocument(json(character, *objective, result, ms)).toJson(QJsonDocument::Compact)) + u'\n',
                 CliText::Json);
    } else {
        writeOut(stdout, pickWords(result.picks).join(u' ') + u'\n');
        writeOut(stderr, valuesText(result, *objective));
    }
    return 0;
}
