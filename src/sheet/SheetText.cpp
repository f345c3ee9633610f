#include "SheetText.h"

#include "AbilitySheet.h"


namespace {

constexpr int SeparatorLines[] = {2, 8, 14, 21, 26, 40};
constexpr int VersionLine = 41;
// A post is one line; longer lines are not looked into.
constexpr qsizetype MaxPostLength = 4096;

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\u3000' || c == u'\u00A0'; }

QStringView trimmedView(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

bool isSeparator(QStringView line)
{
    const QStringView t = trimmedView(line);
    if (t.size() < 3)
        return false;
    for (QChar c : t)
        if (c != u'-')
            return false;
    return true;
}

// A caption without its blanks, ending in the full-width colon.
QString normalCaption(QStringView caption)
{
    QString out;
    for (QChar c : caption)
        if (!isBlank(c))
            out += c;
    if (out.endsWith(u':'))
        out.back() = u'：';
    return out;
}

// Splits a line at its first colon (either width): the caption up to and
// including the colon, normalised, and the value after it.
bool splitLine(QStringView line, QString &caption, QStringView &value)
{
    const QStringView t = trimmedView(line);
    qsizetype colon = -1;
    for (qsizetype i = 0; i < t.size() && i < 16; ++i)
        if (t[i] == u'：' || t[i] == u':') {
            colon = i;
            break;
        }
    if (colon < 0)
        return false;
    caption = normalCaption(t.first(colon + 1));
    value = t.sliced(colon + 1);
    return true;
}

const std::array<QString, SheetText::LineCount> &captions()
{
    static const std::array<QString, SheetText::LineCount> table = [] {
        std::array<QString, SheetText::LineCount> c;
        c[0] = QStringLiteral("角色：");
        c[SheetText::PositionLine - 1] = QStringLiteral("职业：");
        for (size_t i = 0; i < SheetFields.size(); ++i)
            c[FirstFieldLine - 1 + i] = SheetFields[i].caption.toString();
        for (int i = 0; i < AbilityCount; ++i)
            c[SheetText::FirstAbilityLine - 1 + i] = Abilities[i].name.toString() + u'：';
        c[SheetText::TotalLine - 1] = QStringLiteral("综合：");
        return c;
    }();
    return table;
}

// "(…)" at the end of a value: the recommendation or a marker.
QStringView withoutSuffix(QStringView value)
{
    if (value.endsWith(u')')) {
        const qsizetype open = value.lastIndexOf(u'(');
        if (open >= 0)
            return value.first(open);
    }
    return value;
}

QString shortened(QStringView line)
{
    const QStringView t = trimmedView(line);
    return t.size() > 30 ? t.first(30).toString() + u'…' : t.toString();
}

// The sheet whose first line is lines[first].
SheetText readSheet(const QList<QStringView> &lines, qsizetype first)
{
    SheetText sheet;
    sheet.kind = SheetText::Kind::Sheet;
    // Values are copied out only once the whole sheet has been read: a chat
    // log may hold many broken ones.
    std::array<QStringView, SheetText::LineCount> values;
    for (int n = 1; n <= SheetText::LineCount; ++n) {
        const qsizetype at = first + n - 1;
        if (n >= VersionLine) // the version and author lines may be cut off
            break;
        if (at >= lines.size()) {
            sheet.badLine = n;
            sheet.problem = u"能力表在此中断（缺少“" + (sheetCaption(n).isEmpty() ? QStringLiteral("-----") : sheetCaption(n))
                            + u"”行）。";
            return sheet;
        }
        const QStringView line = lines[at];
        if (std::find(std::begin(SeparatorLines), std::end(SeparatorLines), n) != std::end(SeparatorLines)) {
            if (!isSeparator(line)) {
                sheet.badLine = n;
                sheet.problem = u"应为分隔线，却是“" + shortened(line) + u"”。";
                return sheet;
            }
            continue;
        }
        QString caption;
        QStringView value;
        if (!splitLine(line, caption, value) || caption != normalCaption(captions()[n - 1])) {
            sheet.badLine = n;
            sheet.problem = u"应为“" + captions()[n - 1] + u"”行，却是“" + shortened(line) + u"”。";
            return sheet;
        }
        const bool suffixed = n == SheetText::PositionLine
                              || (n >= SheetText::FirstAbilityLine && n <= SheetText::TotalLine);
        values[n - 1] = suffixed ? withoutSuffix(value) : value;
    }
    for (int n = 0; n < SheetText::LineCount; ++n)
        sheet.values[n] = values[n].toString();
    return sheet;
}

// The fixed texts of a post, in order; a value lies between each two.
const QStringList &postSeparators()
{
    static const QStringList table = [] {
        QStringList s{QStringLiteral("我的#Hoopra-"), QStringLiteral("#（职业："), QStringLiteral("，身高："),
                      QStringLiteral("，等级："), QStringLiteral("，训练：")};
        for (int i = 0; i < AbilityCount; ++i)
            s.append((i == 0 ? QStringLiteral("）") : QStringLiteral("，")) + Abilities[i].name.toString());
        s.append(QStringLiteral("，综合"));
        s.append(QStringLiteral("。（分享自"));
        return s;
    }();
    return table;
}

// Each value ends at the first place its following text appears. That is
// the shortest reading, and if it finds no post then no reading does: a
// later start only moves every later text further on. So one pass in order
// decides, in time linear in the line.
SheetText readPost(QStringView line)
{
    SheetText post;
    QString replaced;
    if (line.contains(u"%23")) {
        replaced = line.toString();
        replaced.replace(QStringLiteral("%23"), QStringLiteral("#"));
    }
    const QStringView text = replaced.isNull() ? line : QStringView(replaced);
    const QStringList &separators = postSeparators();
    qsizetype at = text.indexOf(separators[0]);
    if (at < 0)
        return post;
    at += separators[0].size();
    QList<QStringView> values;
    for (qsizetype i = 1; i < separators.size(); ++i) {
        const qsizetype next = text.indexOf(separators[i], at);
        if (next < 0)
            return post;
        values.append(text.sliced(at, next - at));
        at = next + separators[i].size();
    }
    post.kind = SheetText::Kind::Post;
    const int lineOf[] = {1, SheetText::PositionLine, SheetText::HeightLine, SheetText::LevelLine,
                          SheetText::TrainingLine};
    for (int i = 0; i < 5; ++i)
        post.values[lineOf[i] - 1] = values[i].toString();
    for (int i = 0; i <= AbilityCount; ++i)
        post.values[SheetText::FirstAbilityLine - 1 + i] = values[5 + i].toString();
    return post;
}

// Lines end in LF, CR LF or CR alone.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append(text.sliced(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.sliced(start));
    return lines;
}

} // namespace

QString sheetCaption(int line)
{
    return line >= 1 && line <= SheetText::LineCount ? captions()[line - 1] : QString();
}

SheetText readSheetText(QStringView text)
{
    // A broken sheet earlier in a chat log does not hide a good one later;
    // when none is good, the first one's problem is told.
    const QList<QStringView> lines = splitLines(text);
    SheetText firstBroken;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QString caption;
        QStringView value;
        if (splitLine(lines[i], caption, value) && caption == u"角色：" && isSeparator(lines[i + 1])) {
            SheetText sheet = readSheet(lines, i);
            if (sheet.ok())
                return sheet;
            if (firstBroken.kind == SheetText::Kind::None)
                firstBroken = std::move(sheet);
        }
    }
    for (QStringView line : lines)
        if (line.size() <= MaxPostLength && line.contains(u"Hoopra-"))
            if (SheetText post = readPost(line); post.kind == SheetText::Kind::Post)
                return post;
    return firstBroken;
}
