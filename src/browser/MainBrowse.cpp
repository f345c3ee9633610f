// Start-up, the box of teams, the character box and the look-around.

#include "Main.h"

#include "AnnouncementWindow.h"
#include "AppPaths.h"
#include "BesideWindow.h"
#include "BrowserTexts.h"
#include "ComboSelect.h"
#include "ClickLabel.h"
#include "FirstPaint.h"
#include "MessageBox.h"
#include "PortraitPicture.h"
#include "PortraitWindow.h"
#include "Random.h"
#include "Units.h"
#include "WindowList.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>

#include <algorithm>

using namespace BrowserTexts;

void Main::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;

    // The portrait sits beside the main window from the start; unless placed
    // already, the two of them stand in the middle of the screen. It shows
    // just after the main window's first paint, which need not wait for it.
    if (!testAttribute(Qt::WA_Moved))
        centreWithPortrait();
    Label_XSTX->setEnabled(false);
    afterFirstPaint(this, [this] { showPortraitAtStart(); });
    // Outer geometry is known once the window manager has framed the window.
    connect(new FrameWatch(this), &FrameWatch::frameChanged, this, &Main::portraitFollowsFrame);

    m_fade.begin();
    applyOpacity();
    Timer2->start();
    Timer6->start();
    Timer8->start();
    Timer9->start();

    Qiudui->clear();
    Qiudui->addItems(m_database.teams());
    Qiudui->addItem(AllCharacters);
    selectEntry(Qiudui, AllCharacters);
    Xingming->setFocus();
}

void Main::showPortraitAtStart()
{
    // Not if it was closed meanwhile (its link is back) or the program is ending.
    if (Label_XSTX->isEnabled() || !isVisible() || WindowList::closingAll())
        return;
    m_portrait->placeBeside(this);
    // Shown later, it must not take the keyboard from the main window.
    const bool active = isActiveWindow();
    m_portrait->setAttribute(Qt::WA_ShowWithoutActivating);
    m_portrait->show();
    m_portrait->setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (active)
        activateWindow(); // where showing a window always activates it
    WindowList::opened(m_portrait.get());
}

// Main got its frame (or another one): the portrait's place and height
// were worked out from a frame that wasn't there yet.
void Main::portraitFollowsFrame()
{
    if (!m_portrait->isVisible() || !m_portrait->isNormalState())
        return;
    if (m_abilitiesShown)
        m_portrait->setHeightTwips(heightTwipsNow());
    m_portrait->placeBeside(this);
}

void Main::centreWithPortrait()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int beside = m_portrait->frameGeometry().width() + twipsToPixels(200);
    const int left = area.left() + (area.width() - frameGeometry().width() + beside) / 2;
    const int top = area.top() + (area.height() - frameGeometry().height()) / 2;
    move(std::max(left, area.left() + beside), std::max(top, area.top()));
}

void Main::Qiudui_Click()
{
    Xingming->setFocus();
    Xingming->clear();
    const QString team = Qiudui->currentText();
    if (team == AllCharacters) {
        Xingming->addItems(m_database.allCharacters());
        m_engine.setTip(welcome(Xingming->count()));
    } else {
        Xingming->addItems(m_database.teamMembers(team));
        m_engine.setTip(teamChosen(team, Xingming->count()));
    }
    // Nothing is picked until the player (or the look-around) picks.
    Xingming->setCurrentIndex(-1);
    render();
}

void Main::Xingming_Click()
{
    const QString name = Xingming->currentText();
    Qiudui->hide();
    Qiudui2->show();
    m_engine.Xingming_Click(name);
    render();
    Q_EMIT characterChanged();

    if (m_portrait->isNormalState()) {
        m_portrait->placeBeside(this);
        m_portrait->setHeightTwips(3000);
        showPortraitPicture(name);
    }
}

void Main::showPortraitPicture(const QString &name)
{
    // A picture that exists but can't be read falls back like a missing one.
    for (const QString &path : portraitPictures(AppPaths::imagesDir(), name))
        if (m_portrait->setPicture(path))
            return;
    m_portrait->showMissingPicture();
}

void Main::Qiudui2_Click()
{
    Qiudui->show();
    Qiudui2->hide();
    m_engine.Qiudui2_Click();
    hideAbilitiesOnPortrait();
    render();
    Q_EMIT characterChanged();
}

void Main::Label_SBKK_Click()
{
    // Every step goes on whatever the one before it found: an empty list or
    // a position past its end simply selects nothing.
    Tip->hide();
    Timer1->stop();
    selectEntry(Qiudui, AllCharacters);
    for (int i = 1; i <= Xingming->count(); ++i)
        selectIndex(Xingming, i);

    Random::reseedFromClock();
    selectIndex(Qiudui, randomTeamIndex(Random::draw(), Qiudui->count()));
    Random::reseedFromClock();
    selectIndex(Xingming, randomMemberIndex(Random::draw(), Xingming->count()));

    const QString name = Xingming->currentText();
    if (name == OrdinaryCharacter) {
        MessageBox::show(lookAroundOrdinary(), MessageBox::Icon::Warning);
        return;
    }
    MessageBox::show(lookAroundMet(name), MessageBox::Icon::Information);
    Tip->show();
}

void Main::Label_XSTX_Click()
{
    m_portrait->placeBeside(this);
    WindowList::showFromLink(m_portrait.get());
    Label_XSTX->setEnabled(false);
}

void Main::L_GG_Click()
{
    // Made on first use: its web views stay out of the start-up.
    if (!m_announcement) {
        m_announcement = std::make_unique<AnnouncementWindow>(this);
    }
    WindowList::showFromLink(m_announcement.get());
}

void Main::RestartTip()
{
    Timer1->stop();
    Tip->adjustSize();
    m_strip.restart(widthTwipsNow(), pixelsToTwips(Tip->width()));
    placeStrip();
    Timer1->start();
}

void Main::Form_Resize()
{
    // A window whose top went above the screen gets its design height back.
    if (frameGeometry().top() < 0 && height() != twipsToPixels(HeightTwips))
        resize(width(), twipsToPixels(HeightTwips));
}
