#include "ZoneRating.h"

#include "Numbers.h"

Rating rate(int latencyMs)
{
    for (const RatingBand &band : RatingBands)
        if (latencyMs >= band.from && latencyMs <= band.to)
            return band.rating;
    return RatingBands.front().rating; // below 0 cannot be measured; read as the best band
}

int zoneLatency(const QList<int> &passValues)
{
    qint64 sum = 0;
    for (int value : passValues)
        sum += value;
    return roundHalfEven(double(sum) / PassesPerZone);
}

QString verdict(const std::array<int, ZoneCount> &latencies)
{
    int best = latencies[0];
    for (int latency : latencies)
        if (latency < best)
            best = latency;
    if (best > SuitableLimitMs)
        return QStringLiteral("本次测试结果：当前网络不适合玩Hoopra！");
    QString text;
    for (int i = 0; i < ZoneCount; ++i)
        if (latencies[i] == best)
            text = u"本次测试结果：当前网络适合玩【" + Zones[i].name.toString() + u"】";
    return text;
}

QString ZoneTexts::helpText()
{
    return QStringLiteral(
        "①请在网络空闲时进行测试，即无上传下载软件运行。\r\n"
        "②延迟值越小越好，数字变化越小网络越稳定，请选择最小、最稳定的那个大区进行游戏。 \r\n"
        "③你一个人的网络好是基础，还得看队友、对手的网络，所以很多时候卡可能是别人的原因。 \r\n"
        "④《Hoopra》是P2P游戏，跟其他RPG游戏不一样，卡是在所难免的，但是——选择自己延迟最小，"
        "并且选择就近的玩家进行比赛，一般可避免或改善网络冲突，所以选择延迟最小的服务器进行游戏是目前最好的办法。");
}
