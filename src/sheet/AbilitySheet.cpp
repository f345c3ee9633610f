#include "AbilitySheet.h"

#include "BuildEngine.h"

#include <array>
#include <optional>

namespace {

const QString &Separator = AbilitySheetTexts::Separator;

// "(" + marker + ")" when the ability deviates, otherwise nothing.
QString markerSuffix(const BuildEngine &e, int i)
{
    const QString &marker = e.marker(i).text;
    return marker.isEmpty() ? QString() : u'(' + marker + u')';
}

// A result label reads as the window shows it: a hidden one shows nothing,
// whatever an earlier build left in it.
QString shown(const BuildEngine &e, ResultId id)
{
    const ResultLabel &label = e.result(id);
    return label.visible ? label.text : QString();
}

} // namespace

const std::array<SheetField, 23> SheetFields{{
    {u"身高：",     ListId::Sgao,          {}},
    {u"等级：",     ListId::Dji,           {}},
    {u"训练：",     ListId::Xlian,         {}},
    {u"VIP ：",     ListId::Vip,           {}},
    {{},           {},                    {}},
    {u"有鞋装：",   {},                    ResultId::Youxie},
    {u"无鞋装：",   ListId::Wuxie,         {}},
    {u"上  衣：",   {},                    ResultId::Shangyi},
    {u"下  衣：",   {},                    ResultId::Xiayi},
    {u"鞋  子：",   {},                    ResultId::Xiezi},
    {{},           {},                    {}},
    {u"加强包：",   {},                    ResultId::Jiaqiangbao},
    {u"新手装：",   ListId::Xinshouzhuang, {}},
    {u"发  型：",   ListId::Faxing,        {}},
    {u"装饰一：",   ListId::Toubeibu,      {}},
    {u"装饰二：",   ListId::Shoujianbu,    {}},
    {u"装饰三：",   ListId::Tuijiaobu,     {}},
    {{},           {},                    {}},
    {u"队友A角：",  ListId::DuiyouA1,      {}},
    {u"队友A龙头：", ListId::DuiyouA2,      {}},
    {u"队友B角：",  ListId::DuiyouB1,      {}},
    {u"队友B龙头：", ListId::DuiyouB2,      {}},
    {{},           {},                    {}},
}};

QString sheetFieldValue(const BuildEngine &e, const SheetField &f)
{
    return f.list ? e.list(*f.list).text : f.label ? shown(e, *f.label) : QString();
}

namespace {

QString fieldLine(const BuildEngine &e, const SheetField &f)
{
    if (f.caption.isEmpty())
        return Separator;
    return f.caption.toString() + sheetFieldValue(e, f);
}

} // namespace

AbilitySheet makeAbilitySheet(const BuildEngine &e, VersionNumber programVersion, const QString &authorPage)
{
    const QString &name = e.characterName();
    const QString &position = e.list(ListId::ZYe).text;
    const QString &recommended = e.recommendedPosition();
    const QString recommendation = recommended.isEmpty() ? QString() : u"(推荐" + recommended + u')';

    AbilitySheet sheet;
    QStringList &l = sheet.lines;
    l << u"角色：" + name << Separator << u"职业：" + position + recommendation;
    for (const SheetField &f : SheetFields)
        l << fieldLine(e, f);
    for (int i = 0; i < AbilityCount; ++i)
        l << Abilities[i].name.toString() + u'：' + e.abilityText(i) + markerSuffix(e, i);
    l << u"综合：" + e.totalText() + markerSuffix(e, AbilityCount);
    l << Separator;
    l << u"本数据由【ZR角色助手 V" + VersionText::plain(programVersion) + u"】计算生成";
    l << u"作者微博【" + authorPage + u'】';

    QString post = u"【%23Hoopra%23】我的%23Hoopra-" + name + u"%23（职业：" + position + u"，身高："
                   + e.list(ListId::Sgao).text + u"，等级：" + e.list(ListId::Dji).text + u"，训练："
                   + e.list(ListId::Xlian).text + u'）';
    for (int i = 0; i < AbilityCount; ++i)
        post += (i == 0 ? QString() : QStringLiteral("，")) + Abilities[i].name.toString() + e.abilityText(i);
    post += u"，综合" + e.totalText() + u"。（分享自:%23ZR角色助手%23V"
            + VersionText::oneDecimal(programVersion) + u"丨作者:@QUILON）";
    sheet.post = post;
    return sheet;
}
