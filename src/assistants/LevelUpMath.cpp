#include "LevelUpMath.h"

#include "Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace LevelUpMath {

double barTwips(double experience)
{
    if (experience >= CapTotal)
        return BarLengthTwips;
    return std::max(0.0, experience / BarScale);
}

namespace {

// A sum that left a double's range shows as the largest double of its sign:
// the sentence never holds "inf" or "nan".
double saturated(double v)
{
    if (std::isnan(v))
        return 0;
    return std::isinf(v) ? std::copysign(std::numeric_limits<double>::max(), v) : v;
}

} // namespace

QString status(double experience, double speed)
{
    if (experience == CapTotal)
        return QStringLiteral("已到达50级啦！");
    if (experience > CapTotal)
        return u"已超越了50级 " + plainNumber(saturated(experience - CapTotal)) + u" 的经验值！";
    return u"距离50级还有 " + fixedDecimals(saturated(100 - experience / CapTotal * 100), 6)
           + u"％ 的路程要走！若以每天" + plainNumber(speed) + u"的速度走，需要"
           + fixedDecimals(saturated((CapTotal - experience) / speed), 2) + u"天到达50级。";
}

QString fixedDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // Fifteen significant digits d.dddddddddddddd and a power of ten: the
    // number is N × 10^(power − 14) for the whole number N of those digits.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const QByteArray text(buf);
    const qsizetype e = text.indexOf('e');
    const int power = text.mid(e + 1).toInt();
    QByteArray digits = text.left(e);
    digits.remove(1, 1); // the point

    // Scaled by 10^decimals the number is N × 10^shift; keep its whole part.
    const int shift = power - 14 + decimals;
    QByteArray whole;
    if (shift >= 0) {
        whole = digits + QByteArray(shift, '0');
    } else {
        const int kept = int(digits.size()) + shift; // digits left of the cut
        const char next = kept >= 0 && kept < digits.size() ? digits[kept] : '0';
        whole = kept > 0 ? digits.left(kept) : QByteArray("0");
        if (next >= '5') { // half away from zero
            int i = int(whole.size()) - 1;
            while (i >= 0 && whole[i] == '9')
                whole[i--] = '0';
            if (i >= 0)
                ++whole[i];
            else
                whole.prepend('1');
        }
    }
    while (whole.size() > 1 && whole.startsWith('0'))
        whole.remove(0, 1);
    if (whole.size() <= decimals)
        whole.prepend(QByteArray(decimals + 1 - whole.size(), '0'));
    QByteArray out = whole;
    if (decimals > 0)
        out.insert(out.size() - decimals, '.');
    const bool zero = whole.count('0') == whole.size();
    if (value < 0 && !zero)
        out.prepend('-');
    return QString::fromLatin1(out);
}

} // namespace LevelUpMath
