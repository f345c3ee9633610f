#pragma once

#include "Versions.h"

#include <QString>

// The texts of start-up and the online notices, word for word, in one place.
namespace NoticeTexts {

// The guide window.
inline const QString GuideTitle = QStringLiteral("引导页 - ZR角色助手");
inline const QString StartButton = QStringLiteral("开始体验");
inline const QString ReadmeMissing = QStringLiteral("《说明文档》丢失！");
inline const QString DatabaseMissing = QStringLiteral(
    "软件目录下缺失数据库文件“ZRCdata.dat”！请检查！\r\n★特别提示：请勿直接在WinRAR里运行本程序！");
inline const QString DatabaseMissingTitle = QStringLiteral("角色助手将无法正常运行啦：");
inline const QString GuideShareTitle = QStringLiteral("分享软件 - ZR角色助手");
// The post of "开始体验": the program version just started for the first time.
QString guidePost(VersionNumber fver);

// The database-upgrade notice.
inline const QString UpgradeTitle = QStringLiteral("ZR角色助手提示：数据升级成功！");
inline const QString UpgradeShareTitle = QStringLiteral("分享升级 - ZR角色助手");
QString upgradeMessage(VersionNumber sver, const QString &changes);
QString upgradePost(VersionNumber sver, const QString &changes, VersionNumber fver);

// The update check's announcement (the page's title markers are in
// PageMarkers.h).
QString newVersionMessage(VersionNumber published);

} // namespace NoticeTexts
