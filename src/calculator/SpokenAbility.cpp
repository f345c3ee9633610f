#include "SpokenAbility.h"

QString spokenAbility(const QString &name, const QString &value, const QString &marker)
{
    if (value.isEmpty())
        return name;
    QString out = name + u' ' + value;
    if (marker.isEmpty())
        return out + QStringLiteral("，与普通角色相同");
    // Markers are a number followed by an arrow: up above, down below.
    const QString amount = marker.left(marker.size() - 1);
    if (marker.endsWith(u'↑'))
        return out + QStringLiteral("，基础值比普通角色高 ") + amount;
    if (marker.endsWith(u'↓'))
        return out + QStringLiteral("，基础值比普通角色低 ") + amount;
    return out + u'，' + marker;
}
