#include "DatabaseCheck.h"

#include "Abilities.h"
#include "Numbers.h"
#include "ProfileDocument.h"
#include "RegularFile.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

using Kind = DatabaseFinding::Kind;

const QString DatabaseFile = QStringLiteral("ZRCdata.dat");
const QString OrdinaryCharacter = QStringLiteral("普通角色");
const QStringList Positions{QStringLiteral("C"), QStringLiteral("PF"), QStringLiteral("SF"),
                            QStringLiteral("SG"), QStringLiteral("PG")};
const QStringList Classes{QStringLiteral("C"), QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("可选择")};
const QStringList SkillKeys{QStringLiteral("必备指数"), QStringLiteral("类型"), QStringLiteral("职业"),
                            QStringLiteral("等级"), QStringLiteral("价格"), QStringLiteral("触发条件"),
                            QStringLiteral("其他说明")};

bool isWholeNumber(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
    return whole.match(text).hasMatch();
}

bool isNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    return number.match(text).hasMatch();
}

// The database as the program reads it: the first of duplicate sections
// and keys, values as mIni returns them.
class Reader {
public:
    explicit Reader(const ProfileDocument &doc) : m_doc(doc)
    {
        for (const auto &h : doc.headerLines()) {
            const QString folded = ProfileText::foldName(h.name);
            if (!m_headers.contains(folded))
                m_headers.insert(folded, h.line);
        }
        for (const auto &k : doc.keyLines()) {
            const QString id = ProfileText::foldName(k.section) + u'\x1f' + ProfileText::foldName(k.key);
            if (!m_keys.contains(id) && k.header == m_headers.value(ProfileText::foldName(k.section), 0))
                m_keys.insert(id, k.line);
        }
    }
    // 0 when the section is absent.
    qsizetype section(const QString &name) const { return m_headers.value(ProfileText::foldName(name), 0); }
    qsizetype line(const QString &section, const QString &key) const
    {
        return m_keys.value(ProfileText::foldName(section) + u'\x1f' + ProfileText::foldName(key), 0);
    }
    QString value(const QString &section, const QString &key) const
    {
        QString v = m_doc.value(section, key);
        v.remove(QChar(u'\0'));
        qsizetype b = 0, e = v.size();
        while (b < e && v[b] == u' ')
            ++b;
        while (e > b && v[e - 1] == u' ')
            --e;
        return v.mid(b, e - b);
    }
    QStringList list(const QString &section, const QString &prefix, int count) const
    {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            if (const QString n = value(section, prefix + QString::number(i)); !n.isEmpty())
                names.append(n);
        return names;
    }

private:
    const ProfileDocument &m_doc;
    QHash<QString, qsizetype> m_headers;
    QHash<QString, qsizetype> m_keys;
};

class Checker {
public:
    Checker(const QString &dataDir, DatabaseCheck &out) : m_dir(dataDir), m_out(out) {}

    void wrong(qsizetype line, const QString &text, const QString &file = DatabaseFile)
    {
        m_out.findings.append({Kind::Wrong, file, line, text});
    }
    void note(qsizetype line, const QString &text, const QString &file = DatabaseFile)
    {
        m_out.findings.append({Kind::Note, file, line, text});
    }

    void run()
    {
        const RegularFile::Contents contents = RegularFile::read(QDir(m_dir).filePath(DatabaseFile));
        if (!contents.ok()) {
            wrong(0, RegularFile::describe(contents.problem) + QStringLiteral("：所有列表为空，角色资料空白"));
            return;
        }
        const ProfileDocument doc = ProfileDocument::parse(contents.bytes);
        checkText(contents.bytes, doc);
        checkDuplicates(doc);
        const Reader r(doc);
        checkVersion(r);
        checkLists(r);
        checkPositions(r);
        checkSkills(r);
        checkPictures(r);
    }

private:
    void checkText(const QByteArray &bytes, const ProfileDocument &doc)
    {
        const QString text = ProfileText::decode(bytes, doc.encoding());
        qsizetype line = 1;
        bool flagged = false;
        for (const QChar c : text) {
            if (c == u'\uFFFD' && !flagged) {
                wrong(line, QStringLiteral("含有无法按 GBK 解码的字节：程序显示为“\uFFFD”"));
                flagged = true;
            }
            if (c == u'\n') {
                ++line;
                flagged = false;
            }
        }
        // A tag such as <img src=…> or </b>: the program shows it as it is written.
        static const QRegularExpression tag(QStringLiteral("<[!/]?[A-Za-z][^<>]*>"));
        for (const auto &k : doc.keyLines()) {
            if (k.cut)
                wrong(k.line, u"“" + k.key + QStringLiteral("”的值超过 143 字节：程序只显示前 143 字节以内的整字"));
            if (tag.match(k.value).hasMatch())
                note(k.line, u"“" + k.key + QStringLiteral("”的值像网页标记：程序按文字原样显示（shown as text）"));
        }
    }

    void checkDuplicates(const ProfileDocument &doc)
    {
        QHash<QString, qsizetype> headers;
        for (const auto &h : doc.headerLines()) {
            const QString folded = ProfileText::foldName(h.name);
            if (const auto it = headers.constFind(folded); it != headers.cend())
                wrong(h.line, u"节“" + h.name + QStringLiteral("”重复（第 ") + QString::number(*it)
                                  + QStringLiteral(" 行已有）：程序只读第一个，这一节的内容都不会显示"));
            else
                headers.insert(folded, h.line);
        }
        QHash<QString, qsizetype> keys;
        for (const auto &k : doc.keyLines()) {
            if (k.header == 0) {
                note(k.line, u"“" + k.key + QStringLiteral("”在第一个节之前：程序不读它"));
                continue;
            }
            const QString id = QString::number(k.header) + u'\x1f' + ProfileText::foldName(k.key);
            if (const auto it = keys.constFind(id); it != keys.cend())
                wrong(k.line, u"键“" + k.key + QStringLiteral("”重复（第 ") + QString::number(*it)
                                  + QStringLiteral(" 行已有）：程序只读第一个"));
            else
                keys.insert(id, k.line);
        }
    }

    void checkVersion(const Reader &r)
    {
        const QString info = QStringLiteral("数据信息");
        const QString version = r.value(info, QStringLiteral("数据版本"));
        if (!isNumber(version))
            wrong(r.line(info, QStringLiteral("数据版本")) ? r.line(info, QStringLiteral("数据版本")) : r.section(info),
                  QStringLiteral("“数据信息”的“数据版本”不是数字：程序按 ") + plainNumber(leadingNumber(version))
                      + QStringLiteral(" 处理，升级提示会出错"));
        if (r.value(info, QStringLiteral("变更内容")).isEmpty())
            note(r.section(info), QStringLiteral("“数据信息”没有“变更内容”：升级提示的说明为空"));
    }

    void checkRecord(const Reader &r, const QString &name)
    {
        const qsizetype header = r.section(name);
        if (header == 0) {
            wrong(0, u"角色“" + name + QStringLiteral("”没有自己的节：选它时资料空白，能力值全为 0"));
            return;
        }
        if (m_records.contains(name))
            return;
        m_records.insert(name);
        auto where = [&](const QString &key) { return r.line(name, key) ? r.line(name, key) : header; };
        const QString cls = r.value(name, QStringLiteral("职业"));
        if (!Classes.contains(cls))
            wrong(where(QStringLiteral("职业")), u"角色“" + name + u"”的职业“" + cls
                                                   + QStringLiteral("”不是 C、F、G 或 可选择：位置列表为空，无法计算"));
        if (r.value(name, QStringLiteral("身高")).isEmpty())
            wrong(header, u"角色“" + name + QStringLiteral("”没有身高：身高一栏空白"));
        for (const AbilityInfo &a : Abilities) {
            const QString key = a.name.toString();
            const QString v = r.value(name, key);
            if (!isWholeNumber(v))
                wrong(where(key), u"角色“" + name + u"”的“" + key + u"”" + (v.isEmpty() ? QStringLiteral("缺失") : u"“" + v + u"”不是整数")
                                      + QStringLiteral("：程序按 ") + plainNumber(leadingNumber(v)) + QStringLiteral(" 计算"));
        }
        if (r.value(name, QStringLiteral("特殊")) == u"1") {
            for (const AbilityInfo &a : Abilities) {
                const QString key = QStringLiteral("特殊") + a.name.toString();
                const QString v = r.value(name, key);
                if (!v.isEmpty() && !isNumber(v)) // empty counts as 0
                    wrong(where(key), u"角色“" + name + u"”的“" + key + u"”“" + v + QStringLiteral("”不是数字：按 ")
                                          + plainNumber(leadingNumber(v)) + QStringLiteral(" 计算"));
            }
        }
    }

    void checkLists(const Reader &r)
    {
        const QString teams = QStringLiteral("所有球队");
        const QString all = QStringLiteral("所有角色");
        if (r.section(teams) == 0)
            wrong(0, QStringLiteral("没有“所有球队”节：球队列表只有“【查看所有角色】”"));
        if (r.section(all) == 0)
            wrong(0, QStringLiteral("没有“所有角色”节：角色列表为空"));
        for (const QString &team : r.list(teams, QStringLiteral("球队"), 25)) {
            if (r.section(team) == 0) {
                wrong(r.section(teams), u"球队“" + team + QStringLiteral("”没有自己的节：选它时角色列表为空"));
                continue;
            }
            for (const QString &member : r.list(team, QStringLiteral("角色"), 5))
                checkRecord(r, member);
        }
        const QStringList characters = r.list(all, QStringLiteral("角色"), 60);
        for (const QString &name : characters)
            checkRecord(r, name);
        if (!characters.contains(OrdinaryCharacter) && r.section(OrdinaryCharacter) == 0)
            note(r.section(all), QStringLiteral("没有“普通角色”：随便看看抽到它时无法比较"));
    }

    void checkPositions(const Reader &r)
    {
        for (const QString &p : Positions) {
            const QString section = QStringLiteral("角色") + p;
            if (r.section(section) == 0)
                wrong(0, u"没有“" + section + QStringLiteral("”节：推荐角色的说明为空"));
        }
    }

    void checkSkills(const Reader &r)
    {
        QSet<QString> seen;
        for (const QString &p : Positions) {
            if (r.section(p) == 0) {
                wrong(0, u"没有“" + p + QStringLiteral("”节：技能助手中该位置的技能和花式动作为空"));
                continue;
            }
            for (const QString &prefix : {QStringLiteral("技能"), QStringLiteral("花式动作")}) {
                for (const QString &skill : r.list(p, prefix, 35)) {
                    if (seen.contains(skill))
                        continue;
                    seen.insert(skill);
                    const qsizetype header = r.section(skill);
                    if (header == 0) {
                        wrong(r.section(p), prefix + u"“" + skill + QStringLiteral("”没有自己的节：技能助手中说明空白"));
                        continue;
                    }
                    for (const QString &key : SkillKeys)
                        if (r.value(skill, key).isEmpty())
                            wrong(header, prefix + u"“" + skill + u"”缺少“" + key + QStringLiteral("”：这一栏空白"));
                }
            }
        }
    }

    void checkPicture(const QString &name, bool required)
    {
        const QString file = QStringLiteral("ZRCimages/") + name + QStringLiteral(".jpg");
        const RegularFile::Contents c = RegularFile::read(QDir(m_dir).filePath(file));
        if (c.problem == RegularFile::Problem::Missing) {
            if (required)
                wrong(0, QStringLiteral("缺少图片：没有可显示的图片"), file);
            else
                note(0, QStringLiteral("缺少图片：显示“普通角色”的图片"), file);
        } else if (!c.ok()) {
            wrong(0, RegularFile::describe(c.problem) + QStringLiteral("：图片无法显示"), file);
        } else if (!c.bytes.startsWith("\xFF\xD8\xFF")) {
            wrong(0, QStringLiteral("不是 JPEG 图片：无法显示"), file);
        }
    }

    void checkPictures(const Reader &r)
    {
        checkPicture(OrdinaryCharacter, true);
        for (const QString &name : r.list(QStringLiteral("所有角色"), QStringLiteral("角色"), 60))
            if (name != OrdinaryCharacter && !name.contains(u'/') && !name.contains(u'\\'))
                checkPicture(name, false);
        for (int i = 1; i <= 3; ++i)
            checkPicture(QStringLiteral("New") + QString::number(i), true);
    }

    QString m_dir;
    DatabaseCheck &m_out;
    QSet<QString> m_records;
};

} // namespace

int DatabaseCheck::wrongCount() const
{
    int n = 0;
    for (const auto &f : findings)
        n += f.kind == Kind::Wrong;
    return n;
}

DatabaseCheck DatabaseCheck::run(const QString &dataDir)
{
    DatabaseCheck result;
    Checker(dataDir, result).run();
    return result;
}
