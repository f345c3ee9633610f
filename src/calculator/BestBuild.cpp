#include "BestBuild.h"

#include "BonusTables.h"

#include <QMutex>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using KeyMask = quint32; // one bit per ability whose horn key is taken
constexpr int KeyMasks = 1 << AbilityCount;

// The list a player answers next: ZYe until a position is chosen, then the
// one other list that is open; nullopt once the build is complete.
std::optional<ListId> nextList(const BuildEngine &e)
{
    for (int i = int(ListId::Dji); i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        if (l.enabled && l.visible)
            return ListId(i);
    }
    const OptionList &zye = e.list(ListId::ZYe);
    if (zye.enabled && zye.text.isEmpty())
        return ListId::ZYe;
    return std::nullopt;
}

// Depth-first walk over the picks the engine accepts, in item order, from its
// state up to the moment list `stop` opens (or the build is complete; -1:
// only then).
class Walker {
public:
    Walker(const PickFilter *filter, const std::atomic_bool *cancel, qint64 *searched)
        : m_filter(filter), m_cancel(cancel), m_searched(searched) {}

    template <typename Leaf>
    void walk(const BuildEngine &e, int stop, QList<BestPick> &path, Leaf &&leaf)
    {
        if (cancelled())
            return;
        const std::optional<ListId> next = nextList(e);
        if (!next || int(*next) == stop || path.size() > ListCount) {
            leaf(path, e);
            return;
        }
        const QStringList items = e.list(*next).items;
        for (int i = 0; i < items.size(); ++i) {
            const BestPick pick{*next, i, int(items.size()), items[i]};
            if (m_filter && *m_filter && !(*m_filter)(pick))
                continue;
            if (m_searched)
                ++*m_searched;
            BuildEngine after = e;
            const int refused = after.refused();
            if (!after.pick(*next, items[i]) || after.refused() != refused)
                continue;
            path.append(pick);
            walk(after, stop, path, leaf);
            path.removeLast();
            if (cancelled())
                return;
        }
    }

    bool cancelled()
    {
        if (!m_stopped && m_cancel && m_cancel->load(std::memory_order_relaxed))
            m_stopped = true;
        return m_stopped;
    }

private:
    const PickFilter *m_filter;
    const std::atomic_bool *m_cancel;
    qint64 *m_searched;
    bool m_stopped = false;
};

// ---- the rest of a build, from the outfit on --------------------------------

struct Option {
    QList<BestPick> picks;
    Deltas delta{};
    KeyMask keys = 0;
};

struct Segment {
    std::vector<Option> options; // in item-index order
    quint32 lists = 0;           // bit per ListId any option answers
};

// The segments of one level tier, walked once on the engine and kept.
struct Plan {
    std::vector<Segment> segments;
};

// Where one segment ends and the next begins: the rows of the outfit page,
// then the pack and starter outfit, then each decoration and teammate list.
constexpr ListId Boundaries[] = {
    ListId::Youxie1, ListId::Jiaqiangbao1, ListId::Faxing, ListId::Toubeibu, ListId::Shoujianbu,
    ListId::Tuijiaobu, ListId::DuiyouA1, ListId::DuiyouA2, ListId::DuiyouB1, ListId::DuiyouB2,
};

KeyMask keysOf(const QList<BestPick> &picks)
{
    KeyMask keys = 0;
    for (const BestPick &p : picks) {
        const ItemInfo &info = Catalogue::instance().item(p.item);
        if (info.kind == ItemInfo::Horn || info.kind == ItemInfo::DragonHead)
            keys |= KeyMask(1) << info.ability;
    }
    return keys;
}

// Walks each segment from the engine `start` (the outfit page just opened),
// moving on from the first build of each segment, which takes no horn key.
std::shared_ptr<const Plan> buildPlan(const BuildEngine &start)
{
    auto plan = std::make_shared<Plan>();
    BuildEngine at = start;
    Walker walker(nullptr, nullptr, nullptr);
    constexpr int count = int(std::size(Boundaries));
    for (int k = 0; k < count; ++k) {
        if (nextList(at) != Boundaries[k])
            break;
        const int stop = k + 1 < count ? int(Boundaries[k + 1]) : -1;
        Segment segment;
        std::optional<BuildEngine> first;
        QList<BestPick> path;
        walker.walk(at, stop, path, [&](const QList<BestPick> &picks, const BuildEngine &end) {
            Option o{picks, {}, keysOf(picks)};
            for (int i = 0; i < AbilityCount; ++i)
                o.delta[i] = int(std::lround(end.abilityValue(i) - at.abilityValue(i)));
            for (const BestPick &p : picks)
                segment.lists |= 1u << int(p.list);
            segment.options.push_back(std::move(o));
            if (!first)
                first = end;
        });
        plan->segments.push_back(std::move(segment));
        if (!first)
            break;
        at = *first;
    }
    return plan;
}

std::shared_ptr<const Plan> planFor(int tier, const BuildEngine &start)
{
    static QMutex mutex;
    static std::array<std::shared_ptr<const Plan>, 3> plans;
    const QMutexLocker lock(&mutex);
    std::shared_ptr<const Plan> &plan = plans[std::clamp(tier, 0, 2)];
    if (!plan)
        plan = buildPlan(start);
    return plan;
}

using Constraints = std::array<std::optional<QString>, ListCount>;

// The best rest of a build for one plan under the constraints and filter:
// a dynamic programme over (segment, horn keys taken).
class Rest {
public:
    Rest(const Plan &plan, const BestBuildRequest &request, const Constraints &constraints, qint64 *searched)
        : m_plan(plan), m_searched(searched), m_cancel(request.cancel)
    {
        const int n = int(plan.segments.size());
        m_allowed.resize(n);
        m_memo.assign(size_t(n) * KeyMasks, Unknown);
        quint32 covered = 0;
        for (int s = 0; s < n; ++s) {
            const Segment &seg = plan.segments[s];
            covered |= seg.lists;
            for (int o = 0; o < int(seg.options.size()); ++o) {
                const Option &opt = seg.options[o];
                if (allowed(opt, seg, request, constraints))
                    m_allowed[s].push_back({o, deltaScore(request.objective, opt.delta)});
            }
        }
        // A constrained list of the rest that no segment answers has no build.
        for (int i = int(ListId::Youxie1); i < ListCount; ++i)
            if (constraints[i] && !(covered & (1u << i)))
                m_impossible = true;
    }

    std::optional<Score> best()
    {
        if (m_impossible)
            return std::nullopt;
        const Score v = value(0, 0);
        if (v == Infeasible || v == Unknown)
            return std::nullopt;
        return v;
    }

    QList<BestPick> picks()
    {
        QList<BestPick> out;
        KeyMask mask = 0;
        for (int s = 0; s < int(m_plan.segments.size()); ++s) {
            const Score target = value(s, mask);
            for (const Choice &c : m_allowed[s]) {
                const Option &opt = m_plan.segments[s].options[c.option];
                if (opt.keys & mask)
                    continue;
                const Score rest = value(s + 1, mask | opt.keys);
                if (rest != Infeasible && rest != Unknown && c.score + rest == target) {
                    out += opt.picks;
                    mask |= opt.keys;
                    break;
                }
            }
        }
        return out;
    }

private:
    // Far below any score (scores stay under 2^110).
    static constexpr Score Unknown = -(Score(1) << 120);
    static constexpr Score Infeasible = Unknown + 1;

    struct Choice {
        int option;
        Score score;
    };

    static bool allowed(const Option &opt, const Segment &seg, const BestBuildRequest &request,
                        const Constraints &constraints)
    {
        quint32 answered = 0;
        for (const BestPick &p : opt.picks) {
            if (request.filter && !request.filter(p))
                return false;
            const std::optional<QString> &c = constraints[int(p.list)];
            if (c && *c != p.item)
                return false;
            answered |= 1u << int(p.list);
        }
        for (int i = 0; i < ListCount; ++i)
            if (constraints[i] && (seg.lists & (1u << i)) && !(answered & (1u << i)))
                return false;
        return true;
    }

    Score value(int s, KeyMask mask)
    {
        if (s == int(m_plan.segments.size()))
            return 0;
        Score &memo = m_memo[size_t(s) * KeyMasks + mask];
        if (memo != Unknown)
            return memo;
        Score best = Infeasible;
        for (const Choice &c : m_allowed[s]) {
            const Option &opt = m_plan.segments[s].options[c.option];
            if (opt.keys & mask)
                continue;
            if (m_searched)
                ++*m_searched;
            const Score rest = value(s + 1, mask | opt.keys);
            if (rest == Unknown)
                return Unknown; // cancelled below
            if (rest != Infeasible && (best == Infeasible || c.score + rest > best))
                best = c.score + rest;
        }
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            return Unknown; // not stored: the search is abandoned
        memo = best;
        return best;
    }

    const Plan &m_plan;
    qint64 *m_searched;
    const std::atomic_bool *m_cancel;
    std::vector<std::vector<Choice>> m_allowed;
    std::vector<Score> m_memo;
    bool m_impossible = false;
};

// ---- the whole search ---------------------------------------------------------

BestBuildResult search(const BestBuildRequest &request, const Constraints &constraints)
{
    BestBuildResult result;
    const CharacterRecord record = request.record;
    BuildEngine engine([record](const QString &) { return record; });
    engine.Xingming_Click(record.name);

    struct TierRest {
        bool done = false;
        std::optional<Score> score;
        QList<BestPick> picks;
    };
    std::array<TierRest, 3> rests;
    std::optional<Score> best;
    QList<BestPick> bestFirst;
    int bestTier = 0;
    bool outOfRange = false;

    Walker walker(&request.filter, request.cancel, &result.searched);
    QList<BestPick> path;
    walker.walk(engine, int(ListId::Youxie1), path, [&](const QList<BestPick> &first, const BuildEngine &end) {
        if (nextList(end) != ListId::Youxie1)
            return;
        for (int i = 0; i < int(ListId::Youxie1); ++i)
            if (constraints[i] && end.list(ListId(i)).text != *constraints[i])
                return;
        const int tier = std::clamp(levelTier(end.list(ListId::Dji).text), 0, 2);
        TierRest &rest = rests[tier];
        if (!rest.done) {
            const std::shared_ptr<const Plan> plan = planFor(tier, end);
            Rest dp(*plan, request, constraints, &result.searched);
            rest.score = dp.best();
            if (rest.score)
                rest.picks = dp.picks();
            rest.done = !walker.cancelled();
        }
        if (!rest.score)
            return;
        std::array<double, AbilityCount> values;
        for (int i = 0; i < AbilityCount; ++i)
            values[i] = end.abilityValue(i);
        const std::optional<Score> base = scoreOf(request.objective, values);
        if (!base) {
            outOfRange = true;
            return;
        }
        const Score total = *base + *rest.score;
        if (!best || total > *best) {
            best = total;
            bestFirst = first;
            bestTier = tier;
        }
    });
    if (walker.cancelled()) {
        result.status = BestBuildResult::Cancelled;
        return result;
    }
    if (!best) {
        result.status = BestBuildResult::NoBuild;
        if (outOfRange)
            result.reason = QStringLiteral("能力值过大，无法精确计算");
        return result;
    }

    result.status = BestBuildResult::Found;
    result.score = *best;
    result.picks = bestFirst + rests[bestTier].picks;
    BuildEngine replay([record](const QString &) { return record; });
    replay.Xingming_Click(record.name);
    for (const BestPick &p : std::as_const(result.picks))
        replay.pick(p.list, p.item);
    for (int i = 0; i < AbilityCount; ++i) {
        result.values[i] = replay.abilityValue(i);
        result.texts[i] = replay.abilityText(i);
    }
    result.total = replay.totalText();
    return result;
}

QString word(const BestConstraint &c) { return listName(c.list) + u'=' + c.item; }

} // namespace

BestBuildResult findBestBuild(const BestBuildRequest &request)
{
    Constraints constraints;
    for (const BestConstraint &c : request.constraints) {
        std::optional<QString> &slot = constraints[int(c.list)];
        if (slot && *slot != c.item) {
            BestBuildResult r;
            r.reason = u"没有满足条件的配置：" + listName(c.list) + u" 不能同时是“" + *slot + u"”和“" + c.item + u"”";
            return r;
        }
        slot = c.item;
    }
    BestBuildResult result = search(request, constraints);
    if (result.status != BestBuildResult::NoBuild || !result.reason.isEmpty())
        return result;

    // Name the first constraint, in answering order, that no build meets
    // together with the ones before it. A repeated constraint counts once;
    // since each added constraint only narrows the builds, the first failing
    // prefix is found by halving, a handful of searches for up to 25 lists.
    QList<BestConstraint> ordered;
    for (int i = 0; i < ListCount; ++i)
        if (constraints[i])
            ordered.append({ListId(i), *constraints[i]});
    if (ordered.isEmpty()) {
        result.reason = QStringLiteral("没有满足条件的配置：这个角色没有可选的职业");
        return result;
    }
    qsizetype lo = 1, hi = ordered.size(); // the prefix of hi constraints has no build
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        Constraints prefix;
        for (qsizetype k = 0; k < mid; ++k)
            prefix[int(ordered[k].list)] = ordered[k].item;
        const BestBuildResult r = search(request, prefix);
        if (r.status == BestBuildResult::Cancelled)
            return r;
        if (r.status == BestBuildResult::NoBuild)
            hi = mid;
        else
            lo = mid + 1;
    }
    QStringList before;
    for (qsizetype k = 0; k + 1 < hi; ++k)
        before.append(word(ordered[k]));
    const QString failing = word(ordered[hi - 1]);
    result.reason = before.isEmpty()
        ? QString(u"没有满足条件的配置：无法选择 " + failing)
        : QString(u"没有满足条件的配置：在 " + before.join(u' ') + u" 之后无法选择 " + failing);
    return result;
}

QStringList pickWords(const QList<BestPick> &picks)
{
    QStringList out;
    for (const BestPick &p : picks)
        out.append(listName(p.list) + u'=' + p.item);
    return out;
}
