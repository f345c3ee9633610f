#pragma once

#include "ZoneRating.h"

#include <QString>
#include <QStringList>
#include <array>

// What the zone window shows, as texts: enough to write the result sheet and
// the post text without the window.
struct ZoneCaptions {
    struct Row {
        QString zone;    // Zn
        QString latency; // Ln
        QString rating;  // Rn
    };
    std::array<Row, ZoneCount> rows;
    QString verdict;  // caption of JG
    QString location; // caption of IPDZ1
};

// The result sheet: eleven lines, joined with CR LF, no break after the last.
// `version` is the program version in its shortest form (3.2); `authorPage`
// the author's page as written in the endpoints file.
QStringList resultSheetLines(const ZoneCaptions &c, const QString &version, const QString &authorPage);
QString resultSheet(const ZoneCaptions &c, const QString &version, const QString &authorPage);

// The post text for the share page: one line, no verdict. `versionOneDecimal`
// is the program version with one decimal (3.2).
QString postText(const ZoneCaptions &c, const QString &versionOneDecimal);

namespace ZoneTexts {
inline const QString CopiedTitle = QStringLiteral("ZR角色助手-选区助手提示：");
inline const QString Copied = QStringLiteral("复制成功！现在你可以在文本框内按 Ctrl V 粘贴内容。\r\n"
                                             "按确定之后，你还可以把它一键分享到微博。");
inline const QString ShareTitle = QStringLiteral("分享我的网络状况 - ZR角色助手");
} // namespace ZoneTexts
