#include "Numbers.h"

#include <cmath>
#include <cstdio>
#include <limits>

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9')
        ++i;
    qsizetype digits = i - digitsStart;
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9')
            ++j;
        digits += j - i - 1;
        if (j - i - 1 > 0 || digits > 0)
            i = j;
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double v = text.mid(start, i - start).toString().toDouble(&ok);
    // An overflow comes back as an infinity: a number too large for a double
    // reads as the largest one, not as 0.
    if (std::isinf(v))
        return std::copysign(std::numeric_limits<double>::max(), v);
    return ok ? v : 0.0;
}

QString plainNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return QString::fromLatin1(buf);
}

int roundHalfEven(double value)
{
    // Default rounding mode: to nearest, ties to even. A number out of the
    // range of int (a malformed database) is clamped: converting it would be
    // undefined.
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    if (rounded >= 2147483647.0)
        return 2147483647;
    if (rounded <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(rounded);
}

bool startsWithNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    if (i < text.size() && text[i] == u'.')
        ++i;
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}
