#include "Versions.h"

#include "Numbers.h"
#include "zrc_version.h"

#include <charconv>
#include <cmath>

namespace VersionText {

VersionNumber read(QStringView text)
{
    return VersionNumber(leadingNumber(text));
}

QString plain(VersionNumber v)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v); // shortest round trip
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString oneDecimal(VersionNumber v)
{
    // Rounded from the shortest decimal form, so 3.25f gives 3.3 as written.
    const double decimal = plain(v).toDouble();
    QString text = QString::number(std::round(decimal * 10) / 10, 'f', 1);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

} // namespace VersionText

VersionNumber Versions::programVersion()
{
    return VersionText::read(QStringLiteral(ZRC_VERSION_STRING));
}

Versions &Versions::run()
{
    static Versions versions;
    return versions;
}
