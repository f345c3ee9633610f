#pragma once

#include <QString>
#include <optional>

// What the program takes out of two downloaded pages, by their markers.
// QtCore only: the update check and the zone window call these with the
// page text, and the fuzz targets feed them anything.
namespace PageMarkers {

// The download page's title: "<title>Hoopra角色助手（Hooprix Character） V"
// followed by the version and " 下载 - 游戏工具 - 松涛下载园</title>".
inline const QString TitlePrefix = QStringLiteral("<title>Hoopra角色助手（Hooprix Character） V");
inline const QString TitleSuffix = QStringLiteral(" 下载 - 游戏工具 - 松涛下载园</title>");

// The published version: the leading number of the text between the first
// prefix and the first suffix after it (0 when that text holds no number).
// nullopt when the page has no prefix: not the page expected.
std::optional<double> publishedVersion(const QString &page);

// The address-lookup page: the location stands after "来自：" up to
// "</center>", the public address between "[" and "]".
inline const QString LocationMarker = QStringLiteral("来自：");
inline const QString LocationEnd = QStringLiteral("</center>");

struct Whereabouts {
    QString location; // shown as is
    QString address;  // without the brackets
};
// nullopt when any of the four markers is missing: "来自：", "</center>"
// after it, "[", or "]" after it. A page cut short names no place.
std::optional<Whereabouts> whereabouts(const QString &page);

} // namespace PageMarkers
