#include "Main.h"

#include "AnnouncementWindow.h"
#include "AppPaths.h"
#include "BesideWindow.h"
#include "ClickLabel.h"
#include "LinkLooks.h"
#include "PortraitBars.h"
#include "PortraitWindow.h"
#include "SettingsPages.h"
#include "SpokenAbility.h"
#include "Units.h"
#include "WindowList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

Main::Main(QWidget *parent)
    : QWidget(parent),
      m_database(AppPaths::databasePath()),
      m_engine([this](const QString &name) { return m_database.record(name); })
{
    buildControls();
    wireHandlers();
    wireLinks();
    wireLooks();
    wireExplanations();
    wireBestBuildMenu();
    chainTabs();
    // Every other window stands on this window's screen.
    BesideWindow::setMainWindow(this);
    m_portrait = std::make_unique<PortraitWindow>();
    m_portrait->setCharacterNameProvider([this] { return Xingming->currentText(); });
    connect(m_portrait.get(), &PortraitWindow::portraitClosed, this,
            [this] { Label_XSTX->setEnabled(true); });
    render();
}

Main::~Main()
{
    disconnectLabelsFrom(this);
}

void Main::wireHandlers()
{
    connect(Qiudui, &QComboBox::activated, this, &Main::Qiudui_Click);
    connect(Xingming, &QComboBox::activated, this, &Main::Xingming_Click);
    connect(Qiudui2, &ClickLabel::clicked, this, &Main::Qiudui2_Click);
    connect(Label_SBKK, &ClickLabel::clicked, this, &Main::Label_SBKK_Click);
    connect(Label_XSTX, &ClickLabel::clicked, this, &Main::Label_XSTX_Click);
    connect(L_GG, &ClickLabel::clicked, this, &Main::L_GG_Click);
    connect(Label_NLDB, &ClickLabel::clicked, this, &Main::comparisonRequested);
    connect(L_SJzs, &ClickLabel::clicked, this, &Main::levelUpRequested);
    connect(L_JNzs, &ClickLabel::clicked, this, &Main::skillsRequested);
    connect(L_XQzs, &ClickLabel::clicked, this, &Main::zonePingRequested);
    connect(Settings, &SettingsPages::changed, this, &Main::render);
}

// ---- looks -----------------------------------------------------------------

void Main::wireLooks()
{
    // Pressing the look-around shrinks the portrait back to the picture.
    connect(Label_SBKK, &ClickLabel::pressed, this, [this] { m_portrait->setHeightTwips(3000); });
    for (const LinkLookRow &row : LinkLooks::CharacterFrame)
        wireLook(findChild<ClickLabel *>(row.label.toString()), row);
    for (const LinkLookRow &row : LinkLooks::Tools)
        wireLook(findChild<ClickLabel *>(row.label.toString()), row);

    // The ability panel: a caption or its value under the pointer turns
    // both bold until the pointer crosses the panel's background.
    for (int i = 0; i <= AbilityCount; ++i) {
        ClickLabel *captionLabel = i < AbilityCount ? captionLabels[i] : label_ZH;
        QLabel *value = i < AbilityCount ? valueLabels[i] : Zonghe;
        connect(captionLabel, &ClickLabel::hovered, this, [this, i] { hoverAbility(i); });
        connect(captionLabel, &ClickLabel::focusLeft, this, &Main::resetAbilityHover);
        value->setProperty("abilityRow", i);
        value->installEventFilter(this);
    }
    for (QWidget *frame : {static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame3),
                           static_cast<QWidget *>(Frame4), static_cast<QWidget *>(Frame5), Frame6}) {
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
    }
}

static void setBold(QLabel *label, bool bold)
{
    QFont f = label->font();
    if (f.bold() != bold) {
        f.setBold(bold);
        label->setFont(f);
    }
}

void Main::hoverAbility(int row)
{
    setBold(row < AbilityCount ? captionLabels[row] : label_ZH, true);
    setBold(row < AbilityCount ? valueLabels[row] : Zonghe, true);
}

void Main::resetAbilityHover()
{
    for (int i = 0; i < AbilityCount; ++i) {
        setBold(captionLabels[i], false);
        setBold(valueLabels[i], false);
    }
    setBold(label_ZH, false);
    setBold(Zonghe, false);
}

bool Main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Tip)
        return tipEvent(event);
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    bool handled = false;
    for (const LinkLooks::FrameReset &reset : LinkLooks::FrameResets) {
        if (watched->objectName() != reset.frame)
            continue;
        for (QStringView link : reset.links)
            if (const LinkLookRow *row = link.isEmpty() ? nullptr : LinkLooks::rowOf(link))
                applyLook(findChild<ClickLabel *>(link.toString()), row->frame);
        handled = true;
    }
    if (watched == Frame4) {
        resetAbilityHover();
    } else if (watched == Frame6) {
        // The strip holds still while the pointer is on it.
        Timer1->stop();
    } else if (const QVariant row = watched->property("abilityRow"); row.isValid()) {
        hoverAbility(row.toInt());
    } else if (!handled) {
        return QWidget::eventFilter(watched, event);
    }
    // Handled: the move does not reach the window's free surface.
    return true;
}

void Main::mouseMoveEvent(QMouseEvent *event)
{
    // The pointer on the window's free surface lets the tip line roll on.
    if (!Timer1->isActive())
        Timer1->start();
    QWidget::mouseMoveEvent(event);
}

// ---- rendering ---------------------------------------------------------------

static void setColour(QLabel *label, quint32 bgr)
{
    const QColor colour = fromBgr(bgr);
    if (label->palette().color(QPalette::WindowText) != colour) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colour);
        label->setPalette(p);
    }
}

void Main::render()
{
    Qiudui2->setText(m_engine.team());
    Xingbie->setText(m_engine.gender());
    Zhiye->setText(m_engine.positionClass());
    Shengao->setText(m_engine.heightText());

    const bool shown = m_engine.abilitiesVisible();
    for (int i = 0; i < AbilityCount; ++i) {
        valueLabels[i]->setText(m_engine.abilityText(i));
        valueLabels[i]->setAccessibleName(spokenAbility(Abilities[i].name.toString(), m_engine.abilityText(i),
                                                        m_engine.marker(i).text));
        setColour(valueLabels[i], m_engine.abilityColour(i));
        valueLabels[i]->setVisible(shown);
        markerLabels[i]->setText(m_engine.marker(i).text);
        setColour(markerLabels[i], m_engine.marker(i).colour);
        markerLabels[i]->setVisible(shown);
    }
    Zonghe->setText(m_engine.totalText());
    Zonghe->setAccessibleName(spokenAbility(QStringLiteral("综合"), m_engine.totalText(),
                                            m_engine.marker(AbilityCount).text));
    Zonghe->setVisible(shown);
    ZH->setText(m_engine.marker(AbilityCount).text);
    setColour(ZH, m_engine.marker(AbilityCount).colour);
    ZH->setVisible(shown);
    Label_FZNL->setEnabled(m_engine.abilitySheetEnabled());
    if (m_abilitiesShown && !shown)
        hideAbilitiesOnPortrait();
    m_abilitiesShown = shown;

    Settings->render(m_engine);

    if (m_engine.tipSerial() != m_seenTip) {
        m_seenTip = m_engine.tipSerial();
        Tip->setText(m_engine.tip());
        RestartTip();
    }
    if (m_engine.focusSerial() != m_seenFocus) {
        m_seenFocus = m_engine.focusSerial();
        if (QWidget *w = findChild<QWidget *>(m_engine.focus()))
            w->setFocus();
    }
    if (m_engine.refreshSerial() != m_seenRefresh) {
        m_seenRefresh = m_engine.refreshSerial();
        mirrorPortrait();
    }
    if (m_engine.blinkSerial() != m_seenBlink) {
        m_seenBlink = m_engine.blinkSerial();
        for (const QString &name : m_engine.takeTagged())
            if (QLabel *label = findChild<QLabel *>(name))
                label->setProperty("Tag", QStringLiteral("1"));
        Timer4->start();
        Timer5->start();
    }
}

// HideAbilities also shrinks the portrait window back to the picture.
void Main::hideAbilitiesOnPortrait()
{
    if (m_portrait->isNormalState())
        m_portrait->setHeightTwips(3000);
}

// RefreshTotal's second half: the portrait window takes the main window's
// height beside it and mirrors the values, their colours and the bars.
void Main::mirrorPortrait()
{
    if (!m_portrait->isNormalState())
        return;
    m_portrait->setHeightTwips(heightTwipsNow());
    m_portrait->placeBeside(this);
    for (int i = 0; i < AbilityCount; ++i) {
        QLabel *value = m_portrait->valueLabel(i);
        value->setText(valueLabels[i]->text());
        setColour(value, m_engine.abilityColour(i));
        setColour(m_portrait->captionLabel(i), m_engine.marker(i).colour);
    }
    for (int i = 0; i < AbilityCount; ++i)
        m_portrait->setBarX2(i, barEnd(m_portrait->barX1(i), m_engine.abilityValue(i)));
    for (int i = 0; i < AbilityCount; ++i)
        m_portrait->setValueLeftTwips(i, valueLabelLeft(m_portrait->barX2(i)));
}

int Main::widthTwipsNow() const { return int(pixelsToTwips(width())); }
// The outer height, as the portrait's own height is set: the two windows
// then end level with each other.
int Main::heightTwipsNow() const { return int(pixelsToTwips(BesideWindow::outerGeometry(this).height())); }

// ---- window events -------------------------------------------------------------

void Main::showEvent(QShowEvent *event)
{
    // Listed before its load shows the portrait, so the portrait counts as
    // opened later and closes first; a restore from the taskbar is no opening.
    if (!event->spontaneous())
        WindowList::opened(this);
    if (!m_loaded)
        Form_Load();
    QWidget::showEvent(event);
}

void Main::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}
