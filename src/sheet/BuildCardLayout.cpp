#include "BuildCardLayout.h"

#include "AbilitySheet.h"

#include "BuildEngine.h"
#include "PortraitBars.h"

#include <algorithm>
#include <cmath>

namespace {

// Layout, in pixels of a picture at scale 1.
constexpr double Margin = 20;
constexpr double PictureWidth = 152, PictureHeight = 190; // a portrait stands upright
constexpr double InfoLeft = Margin + PictureWidth + 20;
constexpr double InfoColumn = 175;
constexpr double TitleHeight = 34;
constexpr double InfoTop = Margin + TitleHeight + 8, InfoRow = 26;
constexpr double AbilitiesTop = Margin + PictureHeight + 24, AbilityRow = 26;
constexpr double CaptionWidth = 56;
constexpr double TrackLeft = Margin + CaptionWidth + 8;
constexpr double BarThickness = 10;
constexpr double ValueGap = 8, ValueWidth = 52, MarkerWidth = 64, TotalWidth = 80;
constexpr double FooterHeight = 22;
// The picks: two columns, each wide enough for BuildCardPickCharacters
// characters up to 15 pixels wide (the picks are drawn 14 pixels high).
constexpr double PickRow = 22, PickColumn = 280, PickColumnGap = BuildCardWidth - 2 * Margin - 2 * PickColumn;
static_assert(BuildCardPickCharacters * 15 <= PickColumn);

constexpr quint32 Black = 0x000000, Grey = 0x808080;

// The bar's length for a value, in the portrait window's proportions: the
// same right end as there, measured from the same left end.
double barLength(double value)
{
    constexpr double PortraitLeft = 600, PortraitFull = BarCapX2 - PortraitLeft;
    return (barEnd(PortraitLeft, value) - PortraitLeft) / PortraitFull * BuildCardTrackWidth;
}

QString orDefault(const QString &text, const QString &whenEmpty) { return text.isEmpty() ? whenEmpty : text; }

// The sheet's lines from the position to the last teammate, captions
// without their inner blanks, leaving out what is not chosen.
QStringList pickLines(const BuildEngine &e)
{
    QStringList lines;
    const auto add = [&lines](QStringView caption, QString value) {
        value.remove(QStringLiteral("不选择"));
        if (!value.isEmpty())
            lines.append(caption.toString().remove(u' ') + value);
    };
    add(u"职业：", e.list(ListId::ZYe).text);
    for (const SheetField &f : SheetFields)
        if (!f.caption.isEmpty())
            add(f.caption, sheetFieldValue(e, f));
    return lines;
}

} // namespace

BuildCardFacts buildCardFacts(const BuildEngine &e, VersionNumber programVersion)
{
    BuildCardFacts f;
    f.character = e.characterName();
    f.team = e.team();
    f.position = e.list(ListId::ZYe).text;
    f.height = e.list(ListId::Sgao).text;
    f.level = e.list(ListId::Dji).text;
    // As the comparison window stores them.
    f.training = orDefault(e.list(ListId::Xlian).text, QStringLiteral("无训练"));
    f.vip = orDefault(e.list(ListId::Vip).text, QStringLiteral("无VIP"));
    for (int i = 0; i < AbilityCount; ++i)
        f.abilities[i] = {Abilities[i].name.toString(), e.abilityText(i), e.abilityValue(i), e.abilityColour(i),
                          e.marker(i).text, e.marker(i).colour};
    f.total = e.totalText();
    f.totalMarker = e.marker(AbilityCount).text;
    f.totalMarkerColour = e.marker(AbilityCount).colour;
    f.program = u"ZR角色助手 V" + VersionText::plain(programVersion);
    f.picks = pickLines(e);
    return f;
}

BuildCardLayout buildCardLayout(const BuildCardFacts &f)
{
    BuildCardLayout l;
    const double right = BuildCardWidth - Margin;
    l.picture = QRectF(Margin, Margin, PictureWidth, PictureHeight);

    l.texts.append({QRectF(InfoLeft, Margin, right - InfoLeft, TitleHeight), f.character, CardText::Title, Black});
    const std::array<QString, 6> info{u"球队：" + f.team,     u"职业：" + f.position, u"身高：" + f.height,
                                      u"等级：" + f.level,    u"训练：" + f.training, u"VIP：" + f.vip};
    for (int k = 0; k < int(info.size()); ++k)
        l.texts.append({QRectF(InfoLeft + (k % 2) * InfoColumn, InfoTop + (k / 2) * InfoRow, InfoColumn, InfoRow),
                        info[k], CardText::Plain, Black});

    l.rules.append(QLineF(Margin, AbilitiesTop - 12, right, AbilitiesTop - 12));
    for (int i = 0; i < AbilityCount; ++i) {
        const BuildCardFacts::Ability &a = f.abilities[i];
        const double top = AbilitiesTop + i * AbilityRow;
        l.texts.append({QRectF(Margin, top, CaptionWidth, AbilityRow), a.name, CardText::Caption, a.markerColour});
        // A negative value runs left of the track, as on the portrait
        // window, but not into its caption.
        const double length = std::max(barLength(a.value), Margin + CaptionWidth - TrackLeft);
        const double end = TrackLeft + std::max(0.0, length);
        l.bars[i] = {QRectF(std::min(TrackLeft, TrackLeft + length), top + (AbilityRow - BarThickness) / 2,
                            std::abs(length), BarThickness),
                     i};
        l.texts.append({QRectF(end + ValueGap, top, ValueWidth, AbilityRow), a.text, CardText::Plain, a.colour});
        if (!a.marker.isEmpty())
            l.texts.append({QRectF(end + ValueGap + ValueWidth, top, MarkerWidth, AbilityRow), a.marker,
                            CardText::Plain, a.markerColour});
    }

    const double totalTop = AbilitiesTop + AbilityCount * AbilityRow + 12;
    l.rules.append(QLineF(Margin, totalTop - 6, right, totalTop - 6));
    l.texts.append({QRectF(Margin, totalTop, CaptionWidth, AbilityRow), QStringLiteral("综合"), CardText::Caption,
                    f.totalMarkerColour});
    l.texts.append({QRectF(TrackLeft, totalTop, TotalWidth, AbilityRow), f.total, CardText::Caption, Black});
    if (!f.totalMarker.isEmpty())
        l.texts.append({QRectF(TrackLeft + TotalWidth, totalTop, MarkerWidth, AbilityRow), f.totalMarker,
                        CardText::Plain, f.totalMarkerColour});

    double footerTop = totalTop + AbilityRow + 8;
    if (!f.picks.isEmpty()) {
        const double picksTop = footerTop + 8;
        l.rules.append(QLineF(Margin, picksTop - 8, right, picksTop - 8));
        const qsizetype rows = (f.picks.size() + 1) / 2;
        for (qsizetype k = 0; k < f.picks.size(); ++k)
            l.texts.append({QRectF(Margin + (k / rows) * (PickColumn + PickColumnGap), picksTop + (k % rows) * PickRow,
                                   PickColumn, PickRow),
                            cutToCharacters(f.picks[k], BuildCardPickCharacters), CardText::Pick, Black});
        footerTop = picksTop + rows * PickRow + 8;
    }
    l.texts.append({QRectF(Margin, footerTop, right - Margin, FooterHeight), f.program, CardText::Footer, Grey, true});
    l.size = QSize(BuildCardWidth, int(footerTop + FooterHeight + Margin - 4));
    return l;
}

QString cutToCharacters(const QString &text, int characters)
{
    const QList<uint> points = text.toUcs4();
    if (points.size() <= characters)
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), characters - 1) + u'…';
}
