#include "SheetLoader.h"

#include "AbilitySheet.h"
#include "BuildEngine.h"

#include <QRegularExpression>

namespace {

using Kind = SheetText::Kind;

// A line of the wizard and the lists it answers: one list, or the two lists
// behind an outfit result label.
struct Step {
    int line;
    ListId first;
    std::optional<ListId> second;
};

std::optional<ListId> secondListOf(ResultId label)
{
    switch (label) {
    case ResultId::Youxie: return ListId::Youxie2;
    case ResultId::Shangyi: return ListId::Shangyi2;
    case ResultId::Xiayi: return ListId::Xiayi2;
    case ResultId::Xiezi: return ListId::Xiezi2;
    case ResultId::Jiaqiangbao: return ListId::Jiaqiangbao2;
    }
    return std::nullopt;
}

ListId firstListOf(ResultId label) { return ListId(int(*secondListOf(label)) - 1); }

// The wizard's order: position, level, height, training, VIP, then the
// outfit, decoration and teammate lines as the sheet lists them.
const std::vector<Step> &steps()
{
    static const std::vector<Step> table = [] {
        std::vector<Step> s{{SheetText::PositionLine, ListId::ZYe, {}},
                            {SheetText::LevelLine, ListId::Dji, {}},
                            {SheetText::HeightLine, ListId::Sgao, {}},
                            {SheetText::TrainingLine, ListId::Xlian, {}},
                            {SheetText::VipLine, ListId::Vip, {}}};
        for (size_t i = 0; i < SheetFields.size(); ++i) {
            const SheetField &f = SheetFields[i];
            const int line = FirstFieldLine + int(i);
            if (line <= SheetText::VipLine || f.caption.isEmpty())
                continue;
            if (f.list)
                s.push_back({line, *f.list, {}});
            else
                s.push_back({line, firstListOf(*f.label), secondListOf(*f.label)});
        }
        return s;
    }();
    return table;
}

bool isOpen(const BuildEngine &e, ListId id)
{
    const OptionList &l = e.list(id);
    return l.enabled && l.visible;
}

QString withoutBlanks(QStringView s)
{
    QString out;
    for (QChar c : s)
        if (!c.isSpace() && c != u'\u3000')
            out += c;
    return out;
}

// A result label read back into the items that made it: "X+aY+b", "X+n Y+m"
// and "X+5" each have one reading, since no ability name holds a digit.
QStringList labelItems(const QString &label)
{
    static const QRegularExpression two(QStringLiteral("^(.+?\\+\\d+)(.+\\+\\d+)$"));
    const QString compact = withoutBlanks(label);
    const QRegularExpressionMatch m = two.match(compact);
    if (m.hasMatch())
        return {m.captured(1), m.captured(2)};
    return {compact.contains(u'+') ? compact : label};
}

QString listCaption(int line) { return withoutBlanks(sheetCaption(line)).chopped(1); }

QString where(Kind kind, int line)
{
    return kind == Kind::Post ? QStringLiteral("分享文字中") : QStringLiteral("第%1行 ").arg(line);
}

bool sameNumber(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    return okA && okB && x == y;
}

QString abilityName(int i) { return i < AbilityCount ? Abilities[i].name.toString() : QStringLiteral("综合"); }

SheetLoad failed(Kind kind, const QString &reason)
{
    SheetLoad load;
    load.kind = kind;
    load.message = SheetLoadTexts::NotLoaded + reason;
    return load;
}

// Replays the steps the text holds; false with the reason on a pick the
// lists do not offer at that point.
bool replay(const SheetText &text, BuildEngine &e, PickSequence &sequence, QString &why)
{
    for (const Step &step : steps()) {
        const QString &value = text.value(step.line);
        if (text.kind == Kind::Post && step.line > SheetText::TrainingLine)
            break;
        const bool open = isOpen(e, step.first);
        if (!open) {
            // Answered by an earlier pick (a fixed height, the rows a set
            // covers): the line shows what the build shows.
            const QString shown = step.line >= FirstFieldLine
                                      ? sheetFieldValue(e, SheetFields[step.line - FirstFieldLine])
                                      : e.list(step.first).text;
            if (withoutBlanks(shown) == withoutBlanks(value))
                continue;
            if (value.isEmpty())
                return true;
            why = where(text.kind, step.line) + u'“' + listCaption(step.line) + u"”此时不可选“" + value + u"”。";
            return false;
        }
        if (value.isEmpty())
            return true; // unfinished: the list stays open
        const QStringList items = step.second ? labelItems(value) : QStringList{value};
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ListId id = i == 0 ? step.first : *step.second;
            const int refusedBefore = e.refused();
            if (!e.pick(id, items[i])) {
                const OptionList &l = e.list(id);
                const QString list = u'“' + listCaption(step.line) + u'”' + (i ? QStringLiteral("第二项") : QString());
                why = where(text.kind, step.line) + list
                      + (isOpen(e, id) ? QString(u"此时没有“" + items[i] + u"”，可选：" + l.items.join(u'、') + u'。')
                                       : QString(u"此时不可选“" + items[i] + u"”。"));
                return false;
            }
            if (e.refused() > refusedBefore)
                return true; // the pending pick: its list stays open
            sequence.picks.append({id, items[i]});
        }
    }
    return true;
}

} // namespace

QString SheetLoad::oneLine() const
{
    QString out = message;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return out;
}

SheetLoad loadSheet(const QString &input, BuildEngine &e, const QStringList &characters)
{
    const SheetText text = readSheetText(input);
    if (text.kind == Kind::None)
        return failed(Kind::None, SheetLoadTexts::NoSheet.mid(SheetLoadTexts::NotLoaded.size()));
    if (!text.ok())
        return failed(text.kind, where(text.kind, text.badLine) + text.problem);
    if (!characters.contains(text.character()))
        return failed(text.kind, where(text.kind, 1) + u"没有角色“" + text.character() + u"”。");

    SheetLoad load;
    load.kind = text.kind;
    load.sequence.character = text.character();
    e.Xingming_Click(text.character());
    QString why;
    if (!replay(text, e, load.sequence, why))
        return failed(text.kind, why);

    if (text.kind == Kind::Post) {
        load.status = SheetLoad::Status::Agrees;
        load.message = u"已载入分享文字：角色" + text.character() + u"，职业" + text.value(SheetText::PositionLine)
                       + u"，身高" + text.value(SheetText::HeightLine) + u"，等级" + text.value(SheetText::LevelLine)
                       + u"，训练" + text.value(SheetText::TrainingLine)
                       + u"，以及各项数值。\r\n分享文字没有VIP、衣物、装饰和队友行，请接着在主界面选择。";
        return load;
    }

    for (int i = 0; i <= AbilityCount; ++i) {
        const QString &computed = i < AbilityCount ? e.abilityText(i) : e.totalText();
        if (!sameNumber(text.ability(i), computed))
            load.differences.append({i, text.ability(i), computed});
    }
    if (load.differences.isEmpty()) {
        load.status = SheetLoad::Status::Agrees;
        load.message = SheetLoadTexts::Agrees;
        return load;
    }
    load.status = SheetLoad::Status::Differs;
    load.message = QStringLiteral("已载入能力表，但有%1项数值不同（可能是数据版本不同）：").arg(load.differences.size());
    for (const SheetLoad::Difference &d : std::as_const(load.differences))
        load.message += u"\r\n" + abilityName(d.ability) + u"：能力表" + d.sheet + u"，本程序" + d.computed;
    return load;
}

std::optional<ComparisonSlots::Column> comparisonCells(const QString &input, QString *why)
{
    const SheetText text = readSheetText(input);
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (text.kind == Kind::None)
        return fail(SheetLoadTexts::NoSheet);
    if (!text.ok())
        return fail(SheetLoadTexts::NotLoaded + where(text.kind, text.badLine) + text.problem);
    if (text.ability(0).isEmpty())
        return fail(QStringLiteral("能力值为空！请先设定出能力值后再试！"));
    const int lineOfRow[] = {1, SheetText::PositionLine, SheetText::HeightLine, SheetText::LevelLine,
                             SheetText::TrainingLine, SheetText::VipLine};
    ComparisonSlots::Column cells;
    for (int row = 0; row < ComparisonRowCount; ++row) {
        cells[row] = row < FirstAbilityRow ? text.value(lineOfRow[row]) : text.ability(row - FirstAbilityRow);
        if (cells[row].isEmpty() && !(row == 5 && text.kind == Kind::Post))
            cells[row] = ComparisonRows[row].whenEmpty.toString();
    }
    return cells;
}
