#include "UpgradeNotice.h"

#include "GameDatabase.h"
#include "MessageBox.h"
#include "NoticeTexts.h"
#include "Numbers.h"
#include "ShareWindowOpen.h"
#include "Versions.h"

bool upgradeNoticeTick(const GameDatabase &database)
{
    Versions &versions = Versions::run();
    if (versions.Fver() == versions.Sver())
        return true;

    const QString section = QStringLiteral("数据信息");
    const QString stored = database.value(section, QStringLiteral("数据版本"));
    const QString changes = database.value(section, QStringLiteral("变更内容"));
    // A version that is no number counts as none: nothing read, nothing announced.
    if (!startsWithNumber(stored))
        return false;
    versions.setSver(VersionText::read(stored));
    if (versions.Sver() != versions.Sver0()) {
        MessageBox::show(NoticeTexts::upgradeMessage(versions.Sver(), changes), MessageBox::Icon::Information,
                         NoticeTexts::UpgradeTitle);
        ShareWindowOpen(NoticeTexts::upgradePost(versions.Sver(), changes, versions.Fver()),
                        NoticeTexts::UpgradeShareTitle);
    }
    return false;
}
