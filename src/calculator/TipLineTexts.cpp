#include "TipLineTexts.h"

namespace TipLineTexts {

QString hoverToolTip(const QString &tip)
{
    return QStringLiteral("左击可查看职业汇总；右击可复制滚动信息：『") + tip + QStringLiteral("』");
}

QString copyText(const QString &tip, const QString &programVersion)
{
    return tip + QStringLiteral("[角色助手 - ") + programVersion + u']';
}

QString summaryPosition(const QString &positionClass, const QString &recommended)
{
    return positionClass == u"C" ? positionClass : recommended;
}

QString positionSummary(const QString &positionClass, const QString &gender,
                        const QString &recommended, const DatabaseRead &read)
{
    if (positionClass.isEmpty())
        return NoCharacter.toString();
    if (gender == u"可选择")
        return NoPositionInfo.toString();
    const QString position = summaryPosition(positionClass, recommended);
    const QString section = QStringLiteral("角色") + position;
    QString list;
    for (int n = 1; n <= RecommendedCount; ++n) {
        const QString name = read(section, QStringLiteral("角色") + QString::number(n));
        if (!name.isEmpty())
            list += QStringLiteral("\r\n") + QString::number(n) + u'、' + name;
    }
    return u'“' + position + QStringLiteral("”角色列表：") + list;
}

} // namespace TipLineTexts
