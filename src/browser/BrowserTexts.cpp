#include "BrowserTexts.h"

#include <cmath>

namespace BrowserTexts {

QString welcome(int entryCount)
{
    return QStringLiteral("欢迎使用Hoopra角色助手！共有特殊角色") + QString::number(entryCount - 1)
        + QStringLiteral("个。请选择一个角色，或者先选择一个球队。");
}

QString teamChosen(const QString &team, int memberCount)
{
    return QStringLiteral("你选择了“") + team + QStringLiteral("”，共有") + QString::number(memberCount)
        + QStringLiteral("名成员。请选择一个角色。");
}

QString characterChosen(const QString &name, const QString &recommended)
{
    if (recommended.isEmpty())
        return QStringLiteral("你选择了“") + name + QStringLiteral("”，请选择职业。");
    return QStringLiteral("你选择了特殊角色“") + name + QStringLiteral("”，根据其能力特点，推荐职业：")
        + recommended + QStringLiteral("（仅供参考）。（点击此处可查看") + recommended
        + QStringLiteral("角色列表）");
}

QString lookAroundOrdinary()
{
    return QStringLiteral("街球广场上人海茫茫，这一带怎么全是普通货色？");
}

QString lookAroundMet(const QString &name)
{
    return QStringLiteral("畅游在街球广场上的你遇到了“") + name + QStringLiteral("”！");
}

int randomTeamIndex(double r, int entryCount)
{
    return int(std::floor(r * (entryCount - 1)));
}

int randomMemberIndex(double r, int entryCount)
{
    return int(std::floor(r * entryCount));
}

} // namespace BrowserTexts
