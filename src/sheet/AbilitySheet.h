#pragma once

#include "Versions.h"

#include "BuildEngine.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The finished build as text: the 42-line sheet for the clipboard and the
// one-line microblog post. Both are read from what the calculator shows
// (nothing is recomputed); the window and zrc-cli build them here.
struct AbilitySheet {
    QStringList lines; // the sheet, line by line
    QString post;      // the post text, "%23" for each "#" topic mark

    // The sheet as copied: CR LF between lines, none after the last.
    QString text() const { return lines.join(QStringLiteral("\r\n")); }
};

// programVersion is Fver; authorPage is the author's page address as
// written in the endpoints file.
AbilitySheet makeAbilitySheet(const BuildEngine &engine, VersionNumber programVersion,
                              const QString &authorPage);

// Lines 4 to 26 of the sheet: caption, then the list or the label the line
// reads; a row without a caption is a separator.
struct SheetField {
    QStringView caption;
    std::optional<ListId> list;
    std::optional<ResultId> label;
};
inline constexpr int FirstFieldLine = 4;
extern const std::array<SheetField, 23> SheetFields;
// What a field line shows after its caption for the build.
QString sheetFieldValue(const BuildEngine &engine, const SheetField &field);

namespace AbilitySheetTexts {
inline const QString Separator = QStringLiteral("-----------------");
inline const QString ShareTitle = QStringLiteral("分享能力值 - ZR角色助手");
inline const QString Copied = QStringLiteral("复制成功！现在你可以在文本框内按 Ctrl V 粘贴内容。\r\n"
                                             "按确定之后，你还可以把它一键分享到微博。");
} // namespace AbilitySheetTexts
