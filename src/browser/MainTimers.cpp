// The window's motion: fades, the rolling tip line, blinking, the version
// caption, and closing through the fade-out.

#include "Main.h"

#include "Configuration.h"
#include "PortraitWindow.h"
#include "HttpGet.h"
#include "Versions.h"
#include "WindowList.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>

#include "ClickLabel.h"
#include "Units.h"

void Main::applyOpacity()
{
    // Window opacity stands in for the layered window's alpha. The portrait
    // beside the window fades with it.
    setWindowOpacity(m_fade.opacity());
    m_portrait->setWindowOpacity(m_fade.opacity());
}

void Main::Timer1_Timer()
{
    m_strip.tick(widthTwipsNow());
    placeStrip();
}

void Main::Timer2_Timer()
{
    if (!m_fade.fadeInTick())
        Timer2->stop();
    applyOpacity();
}

void Main::closeEvent(QCloseEvent *event)
{
    if (m_fade.requestClose()) {
        event->accept();
        return;
    }
    // Refused: the window fades out first and then closes itself. The
    // fade-in stops so the two fades never pull the level apart.
    event->ignore();
    Timer2->stop();
    // The online notices end here: no notice runs, and no answer still on its
    // way is shown, while the window fades out.
    Timer8->stop();
    Timer9->stop();
    if (HttpClient *client = HttpClient::existing())
        client->dropPending();
    applyOpacity();
    Timer3->start();
}

void Main::Timer3_Timer()
{
    const bool done = m_fade.fadeOutTick();
    applyOpacity();
    if (!done)
        return;
    Timer3->stop();
    exitRoutine();
}

void Main::exitRoutine()
{
    // An answer still on its way is of no use now.
    if (HttpClient *client = HttpClient::existing())
        client->dropPending();
    // The data version as this run knows it. Never read (the window closed
    // before the upgrade notice ran, or the database has none): what was
    // stored stays, so a version is never announced twice.
    const Versions &versions = Versions::run();
    if (versions.sverSet())
        Configuration::write(Configuration::VersionSection, Configuration::DataVersionKey,
                             VersionText::plain(versions.Sver()));
    WindowList::closeAllNewestFirst();
    // Closed among them when it was listed; otherwise here.
    if (isVisible())
        close();
}

void Main::Timer4_Timer()
{
    for (QLabel *label : findChildren<QLabel *>())
        if (label->property("Tag").toString() == QLatin1String("1"))
            label->setHidden(!label->isHidden());
}

void Main::Timer5_Timer()
{
    Timer4->stop();
    // The values come back as the calculator shows them: a position picked
    // while they blinked has hidden them, and they stay hidden.
    const bool shown = m_engine.abilitiesVisible();
    for (QLabel *label : valueLabels) {
        label->setVisible(shown);
        label->setProperty("Tag", QString());
    }
    for (QLabel *label : {static_cast<QLabel *>(Label_NLDB), static_cast<QLabel *>(Label_FZNL)}) {
        label->show();
        label->setProperty("Tag", QString());
    }
    Timer5->stop();
}

void Main::setCaption(const QString &text, quint32 bgr)
{
    Frame5->setTitle(text);
    QPalette p = Frame5->palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    p.setColor(QPalette::Text, fromBgr(bgr));
    Frame5->setPalette(p);
}

void Main::Timer6_Timer()
{
    setCaption(QStringLiteral("软件信息 Ver ") + VersionText::oneDecimal(Versions::run().Fver()) + u' ', 0x404040);
    Timer6->stop();
    Timer7->start();
}

void Main::Timer7_Timer()
{
    setCaption(QStringLiteral("数据版本 ") + VersionText::oneDecimal(Versions::run().Sver()) + u' ', 0x008080);
    Timer7->stop();
    Timer6->start();
}
