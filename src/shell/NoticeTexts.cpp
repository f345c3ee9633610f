#include "NoticeTexts.h"

namespace NoticeTexts {

QString guidePost(VersionNumber fver)
{
    const QString v = VersionText::oneDecimal(fver);
    return QStringLiteral("OH Yeah！我刚把ZR角色助手升级到华丽丽的V") + v
           + QStringLiteral("了！各位%23Hoopra%23爱好者，今天你升级了吗？——特此发微博以见证："
                            "哥是不是第一个升级到最新版本的？同时也小小地纪念一下这个美好的日子~ /呲牙"
                            "（分享自:%23ZR角色助手%23V")
           + v + QStringLiteral("丨作者:@QUILON）");
}

QString upgradeMessage(VersionNumber sver, const QString &changes)
{
    return QStringLiteral("数据（") + VersionText::plain(sver) + QStringLiteral("）变更内容：\r\n\r\n")
           + changes;
}

QString upgradePost(VersionNumber sver, const QString &changes, VersionNumber fver)
{
    return QStringLiteral("OH Yeah！我刚把ZR角色助手数据库升级到V") + VersionText::oneDecimal(sver)
           + QStringLiteral("（") + changes
           + QStringLiteral("）了！各位%23Hoopra%23爱好者，今天你升级了吗？——特此发微博纪念。 /呲牙"
                            "（分享自:%23ZR角色助手%23V")
           + VersionText::oneDecimal(fver) + QStringLiteral("丨作者:@QUILON）");
}

QString newVersionMessage(VersionNumber published)
{
    return QStringLiteral("检测到ZR角色助手新版本：V") + VersionText::plain(published);
}

} // namespace NoticeTexts
