// Speed of the best-build search: every character of the sample × the
// thirteen captions, once with Dji=50级 Xlian=训练Ⅲ Vip=VIP and once with no
// constraint; median and worst time per query. For scale, the time of the
// cut-down enumeration the tests check the search against (first page fixed,
// two items per list plus the colliding horns), once per character.

#include "BestBuild.h"
#include "BonusTables.h"
#include "GameDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

struct Figures {
    double median = 0, worst = 0, total = 0;
    QString worstQuery;
};

Figures figures(std::vector<std::pair<double, QString>> t)
{
    std::sort(t.begin(), t.end());
    Figures f;
    if (t.empty())
        return f;
    f.median = t[t.size() / 2].first;
    f.worst = t.back().first;
    f.worstQuery = t.back().second;
    for (const auto &x : t)
        f.total += x.first;
    return f;
}

PickFilter cutDown(int seed)
{
    return [seed](const BestPick &p) {
        if (int(p.list) < int(ListId::Youxie1))
            return p.index == seed % p.count;
        const ItemInfo &info = Catalogue::instance().item(p.item);
        if (info.kind == ItemInfo::Horn || info.kind == ItemInfo::DragonHead)
            return info.ability == seed % AbilityCount;
        return p.index == 0 || p.index == p.count - 1;
    };
}

qint64 enumerate(const BuildEngine &e, const PickFilter &filter)
{
    std::optional<ListId> next;
    for (int i = int(ListId::Dji); i < ListCount && !next; ++i)
        if (e.list(ListId(i)).enabled && e.list(ListId(i)).visible)
            next = ListId(i);
    if (!next && e.list(ListId::ZYe).text.isEmpty())
        next = ListId::ZYe;
    if (!next)
        return 1;
    qint64 leaves = 0;
    const QStringList items = e.list(*next).items;
    for (int i = 0; i < items.size(); ++i) {
        if (!filter({*next, i, int(items.size()), items[i]}))
            continue;
        BuildEngine after = e;
        const int refused = after.refused();
        after.pick(*next, items[i]);
        if (after.refused() == refused)
            leaves += enumerate(after, filter);
    }
    return leaves;
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(u' ', 0, 2) : QStringLiteral("?");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const GameDatabase db(QStringLiteral(ZRC_BENCH_SAMPLE_DIR "/ZRCdata.dat"));
    const QStringList names = db.allCharacters();
    if (names.isEmpty()) {
        out << "no sample database at " ZRC_BENCH_SAMPLE_DIR "\n";
        return 1;
    }
    out << "load average before: " << loadAverage() << "\n";
    out << names.size() << " characters × 13 objectives\n\n";

    const QList<BestConstraint> level50{{ListId::Dji, QStringLiteral("50级")},
                                        {ListId::Xlian, QStringLiteral("训练Ⅲ")},
                                        {ListId::Vip, QStringLiteral("VIP")}};
    QElapsedTimer timer;
    for (const auto &[label, constraints] :
         {std::pair{QStringLiteral("Dji=50级 Xlian=训练Ⅲ Vip=VIP"), level50},
          std::pair{QStringLiteral("no constraint"), QList<BestConstraint>{}}}) {
        std::vector<std::pair<double, QString>> times;
        qint64 searched = 0;
        int noBuild = 0;
        for (const QString &name : names) {
            const CharacterRecord record = db.record(name);
            for (int k = 0; k < 13; ++k) {
                const BuildObjective objective = BuildObjective::caption(k);
                BestBuildRequest request;
                request.record = record;
                request.constraints = constraints;
                request.objective = objective;
                timer.start();
                const BestBuildResult r = findBestBuild(request);
                times.push_back({timer.nsecsElapsed() / 1e6, name + u" / " + objective.text});
                searched += r.searched;
                noBuild += r.status != BestBuildResult::Found;
            }
        }
        const Figures f = figures(times);
        out << label << ": " << times.size() << " queries, median " << QString::number(f.median, 'f', 2)
            << " ms, worst " << QString::number(f.worst, 'f', 2) << " ms (" << f.worstQuery << "), total "
            << QString::number(f.total / 1000, 'f', 2) << " s, " << searched / qint64(times.size())
            << " partial builds per query, " << noBuild << " without a build\n";
    }

    std::vector<std::pair<double, QString>> times;
    qint64 leaves = 0;
    for (int c = 0; c < names.size(); ++c) {
        const CharacterRecord record = db.record(names[c]);
        timer.start();
        BuildEngine e([record](const QString &) { return record; });
        e.Xingming_Click(record.name);
        leaves += enumerate(e, cutDown(c));
        times.push_back({timer.nsecsElapsed() / 1e6, names[c]});
    }
    const Figures f = figures(times);
    out << "\ncut-down enumeration on the engine: " << leaves << " complete builds, median "
        << QString::number(f.median, 'f', 1) << " ms, worst " << QString::number(f.worst, 'f', 1)
        << " ms per character, total " << QString::number(f.total / 1000, 'f', 2) << " s ("
        << qRound64(leaves / (f.total / 1000)) << " builds/s)\n";
    out << "load average after: " << loadAverage() << "\n";
    return 0;
}
