#pragma once

#include <QString>
#include <QStringView>
#include <functional>

// What the tip line Tip says and does when the mouse is on it: its tool
// tip, the copy a right click puts on the clipboard, and the summary of the
// characters recommended for a position that a left click shows.
namespace TipLineTexts {

inline constexpr QStringView ToolTip = u"左击可查看职业汇总；右击可复制滚动信息。";
inline constexpr QStringView Copied = u"复制成功！现在在文本框内按 Ctrl V 可粘贴内容。";
inline constexpr QStringView NoCharacter = u"未选择任何角色！";
inline constexpr QStringView NoPositionInfo = u"无任何职业信息！";
// Keys "角色1" … "角色20" of the section "角色" + position.
inline constexpr int RecommendedCount = 20;

// The tool tip while the pointer is on the line: it holds the whole text.
QString hoverToolTip(const QString &tip);
// The clipboard's text after a right click; the version in plain form.
QString copyText(const QString &tip, const QString &programVersion);

// The position whose recommended characters are listed: C for a centre,
// otherwise the character's recommended position (which may be empty).
QString summaryPosition(const QString &positionClass, const QString &recommended);

// Reads one entry of the game database (section, key).
using DatabaseRead = std::function<QString(const QString &section, const QString &key)>;

// The message of a left click, from the record fields the window shows:
// no character, no position information, or the title and the list, each
// name on a line of its own after its key's number. Keys that are empty
// are skipped, so the numbers can have gaps.
QString positionSummary(const QString &positionClass, const QString &gender,
                        const QString &recommended, const DatabaseRead &read);

} // namespace TipLineTexts
