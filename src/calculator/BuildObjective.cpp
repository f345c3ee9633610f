#include "BuildObjective.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QString Total = QStringLiteral("综合");
constexpr double ValueLimit = 1e12;
constexpr qint64 WeightLimit = 1000000; // whole part of a weight

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// "2", "0.5", "1.25": non-negative, at most six decimals.
bool parseWeight(const QString &text, qint64 &millionths)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+)(?:\\.([0-9]{1,6}))?$"));
    const QRegularExpressionMatch m = decimal.match(text);
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const qint64 whole = m.captured(1).toLongLong(&ok);
    if (!ok || whole > WeightLimit)
        return false;
    const QString fraction = m.captured(2).leftJustified(6, u'0');
    millionths = whole * Millionths + fraction.toLongLong();
    return true;
}

// Adds `millionths` to the weights of the ability or of all twelve for 综合.
bool addWeight(BuildObjective &o, const QString &name, qint64 millionths)
{
    if (name == Total) {
        for (qint64 &w : o.weight)
            w += millionths;
        return true;
    }
    const int i = abilityIndex(name);
    if (i < 0)
        return false;
    o.weight[i] += millionths;
    return true;
}

} // namespace

std::optional<BuildObjective> BuildObjective::parse(const QString &text, QString *error)
{
    BuildObjective o;
    o.text = text.trimmed();
    if (!o.text.contains(u'=')) {
        if (!addWeight(o, o.text, Millionths)) {
            fail(error, u"未知的目标“" + o.text + u"”：应为一项能力、综合，或 能力=权重,…");
            return std::nullopt;
        }
        return o;
    }
    const QStringList terms = QString(o.text).replace(u'，', u',').split(u',', Qt::SkipEmptyParts);
    for (const QString &term : terms) {
        const qsizetype eq = term.indexOf(u'=');
        const QString name = term.left(eq).trimmed();
        qint64 w = 0;
        if (eq < 0 || !parseWeight(term.mid(eq + 1).trimmed(), w)) {
            fail(error, u"权重应为不小于 0 的小数（至多六位小数）：“" + term + u"”");
            return std::nullopt;
        }
        if (!addWeight(o, name, w)) {
            fail(error, u"未知的能力“" + name + u"”");
            return std::nullopt;
        }
    }
    bool positive = false;
    for (qint64 w : o.weight)
        positive = positive || w > 0;
    if (!positive) {
        fail(error, u"至少一个权重应大于 0：“" + o.text + u"”");
        return std::nullopt;
    }
    return o;
}

BuildObjective BuildObjective::caption(int row)
{
    return *parse(row < AbilityCount ? Abilities[row].name.toString() : Total);
}

std::optional<qint64> valueMillionths(double value)
{
    if (!(std::fabs(value) <= ValueLimit))
        return std::nullopt;
    return std::llround(value * double(Millionths));
}

std::optional<Score> scoreOf(const BuildObjective &objective, const std::array<double, AbilityCount> &values)
{
    Score s = 0;
    for (int i = 0; i < AbilityCount; ++i) {
        const std::optional<qint64> v = valueMillionths(values[i]);
        if (!v)
            return std::nullopt;
        s += Score(objective.weight[i]) * *v;
    }
    return s;
}

Score deltaScore(const BuildObjective &objective, const std::array<int, AbilityCount> &deltas)
{
    Score s = 0;
    for (int i = 0; i < AbilityCount; ++i)
        s += Score(objective.weight[i]) * deltas[i];
    return s * Millionths;
}

QString scoreText(Score score)
{
    const bool negative = score < 0;
    unsigned __int128 u = negative ? -static_cast<unsigned __int128>(score) : static_cast<unsigned __int128>(score);
    const unsigned __int128 unit = static_cast<unsigned __int128>(Millionths) * Millionths;
    unsigned __int128 whole = u / unit;
    unsigned long long fraction = static_cast<unsigned long long>(u % unit);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(whole % 10)));
        whole /= 10;
    } while (whole);
    QString out = (negative ? QStringLiteral("-") : QString()) + digits;
    if (fraction) {
        QString f = QString::number(fraction).rightJustified(12, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        out += u'.' + f;
    }
    return out;
}
