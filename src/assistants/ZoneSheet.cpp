#include "ZoneSheet.h"

namespace {
const QString Rule = QStringLiteral("-----------------");
}

QStringList resultSheetLines(const ZoneCaptions &c, const QString &version, const QString &authorPage)
{
    QStringList lines;
    lines << u"我[" + c.location + u"]PINGHoopra服务器的状况：" << Rule;
    for (const ZoneCaptions::Row &row : c.rows)
        lines << row.zone + row.latency + row.rating;
    lines << Rule << u"★" + c.verdict << Rule
          << u"由【ZR角色助手(V" + version + u")-选区助手】测试"
          << u"作者微博【" + authorPage + u"】";
    return lines;
}

QString resultSheet(const ZoneCaptions &c, const QString &version, const QString &authorPage)
{
    return resultSheetLines(c, version, authorPage).join(QStringLiteral("\r\n"));
}

QString postText(const ZoneCaptions &c, const QString &versionOneDecimal)
{
    QString text = u"我[" + c.location + u"]PING%23Hoopra%23服务器的状况：";
    for (const ZoneCaptions::Row &row : c.rows)
        text += row.zone + row.latency + row.rating;
    return text + u"（分享自:%23ZR角色助手%23V" + versionOneDecimal + u"丨作者:@QUILON）";
}
