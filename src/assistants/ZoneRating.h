#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <climits>

// The rules of the zone assistant, without widgets: the four zones, the
// rating bands, a zone's latency from its passes, and the verdict.

inline constexpr int ZoneCount = 4;
inline constexpr int PassesPerZone = 10;
inline constexpr int FailedEchoMs = 1001; // what a failed echo counts as
inline constexpr int SuitableLimitMs = 80;

struct Zone {
    QStringView caption; // the zone label DQn
    QStringView name;    // in the verdict
};

// One row per zone, in the fixed order.
inline constexpr std::array<Zone, ZoneCount> Zones{{
    {u"1、青石球场（华东电信）→ ", u"青石球场"},
    {u"2、赤岩球场（西南电信）→ ", u"赤岩球场"},
    {u"3、白沙球场（东北网通）→ ", u"白沙球场"},
    {u"4、黑曜球场（华北网通）→ ", u"黑曜球场"},
}};

struct Rating {
    QStringView text;
    quint32 bgr; // colour of the latency and the rating, 0xBBGGRR
};

// The grey of a zone not measured yet, 128, 128, 128.
inline constexpr quint32 PendingBgr = 0x808080;

// One row per band: latencies from `from` up to and including `to`.
// 70 to 79 ms rate as 60 to 69 ms, and 0 ms as 1 to 9 ms.
struct RatingBand {
    int from;
    int to;
    Rating rating;
};
inline constexpr std::array<RatingBand, 9> RatingBands{{
    {0, 9, {u"（超棒）", 0x008000}},       // 0, 128, 0
    {10, 19, {u"（很棒）", 0x00C000}},     // 0, 192, 0
    {20, 29, {u"（一般）", 0x0C5440}},     // 64, 84, 12
    {30, 39, {u"（微卡）", 0x008080}},     // 128, 128, 0
    {40, 49, {u"（稍卡）", 0x00C0C0}},     // 192, 192, 0
    {50, 59, {u"（较卡）", 0x008080}},     // 128, 128, 0
    {60, 79, {u"（很卡）", 0x0080FF}},     // 255, 128, 0
    {80, 1000, {u"（暴卡）", 0x0000FF}},   // 255, 0, 0
    {1001, INT_MAX, {u"（阻塞）", 0x0000FF}}, // 255, 0, 0
}};

// The rating of a latency in whole milliseconds.
Rating rate(int latencyMs);

// A zone's latency: the ten pass values summed, divided by ten and rounded
// to the nearest whole number, halves to the even neighbour.
int zoneLatency(const QList<int> &passValues);

// The verdict over the four zones' latencies: the best zone (the last of
// tied ones) when it is at most 80 ms, else that the network does not suit.
QString verdict(const std::array<int, ZoneCount> &latencies);

namespace ZoneTexts {
inline const QString Title = QStringLiteral("选区助手 - ZR角色助手");
inline const QString VerdictPending = QStringLiteral("本次测试结果：（待测）");
inline const QString VerdictMeasuring = QStringLiteral("本次测试结果：（测试中…）");
inline const QString LatencyPending = QStringLiteral("? ms");
inline const QString RatingPending = QStringLiteral("（待测）");
inline const QString RatingMeasuring = QStringLiteral("（测试中…）");
inline const QString LocationPending = QStringLiteral("网络读取中...");
inline const QString AddressPending = QStringLiteral("IP获取中...");
inline const QString LocationUnknown = QStringLiteral("未知网络");
inline const QString AddressUnknown = QStringLiteral("[未知IP]");
inline const QString PingCaption = QStringLiteral("开始测试");
inline const QString PingMeasuring = QStringLiteral("测试中…");
inline const QString HelpCaption = QStringLiteral("选区帮助");
inline const QString ShareCaption = QStringLiteral("分享结果");
inline const QString Telecom = QStringLiteral("电信区");
inline const QString Netcom = QStringLiteral("网通区");
inline const QString DoneTitle = QStringLiteral("测试完毕！");
inline const QString HelpTitle = QStringLiteral("选区帮助 - ZR角色助手：");
QString helpText();
} // namespace ZoneTexts
