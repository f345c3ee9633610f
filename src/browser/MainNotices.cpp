// The online notices of the main window: the database-upgrade notice three
// seconds after start-up and the update check thirty seconds after it.

#include "Main.h"

#include "UpdateCheck.h"
#include "UpgradeNotice.h"
#include "Versions.h"

double Main::Sver() const { return Versions::run().Sver(); }
void Main::setSver(double version) { Versions::run().setSver(VersionNumber(version)); }

void Main::Timer8_Timer()
{
    if (!upgradeNoticeTick(m_database))
        Timer8->stop();
}

void Main::Timer9_Timer()
{
    // Once: the page is fetched without blocking and the check ends when
    // it arrives (or never does).
    Timer9->stop();
    UpdateCheck::start(this, [this] { showMinimized(); });
}
