#pragma once

#include "BuildEngine.h"
#include "Fade.h"
#include "GameDatabase.h"
#include "TipStrip.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QImage;
class QGroupBox;
class QLabel;
class QMenu;
class ClickLabel;
class PortraitWindow;
class AnnouncementWindow;
class SettingsPages;

// The main window "ZR角色助手": the character browser (box of teams,
// character box, record), the ability panel, the calculator's settings
// pages, the links to the other tools and the rolling tip line.
//
// The calculator's state lives in the BuildEngine; the window forwards the
// player's picks to it and renders the whole state after each of them.
// Controls carry their given names as objectName; tests find them by it.
class Main : public QWidget {
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // Design size of the window, in twips.
    static constexpr int WidthTwips = 6860;
    static constexpr int HeightTwips = 7200;

    // ---- handlers ---------------------------------------------------------
    // Start-up; runs once, when the window is first shown.
    void Form_Load();
    void Form_Resize();
    void Qiudui_Click();
    void Xingming_Click();
    void Qiudui2_Click();
    void Label_SBKK_Click();
    void Label_XSTX_Click();
    void L_GG_Click();
    // Restarts the tip line after each change of its text.
    void RestartTip();
    // The sheet, feedback, share, update and readme links (MainLinks.cpp).
    void Label_FZNL_Click();
    void Fankui_Click();
    void fenxiang_Click();
    void L_update_Click();
    void Frame5_Click();
    // Right-click on 复制分享: the build as a picture (MainPicture.cpp).
    void Label_FZNL_ContextMenu(const QPoint &at);
    QImage buildPicture(qreal scale) const;
    void CopyBuildPicture_Click(); // "复制为图片", at twice the size
    void SaveBuildPicture_Click(); // "保存为图片…"

    // The ability captions: each writes its explanation into the tip line.
    void Label_PD_Click(); void Label_TT_Click(); void Label_DK_Click(); void Label_CQ_Click();
    void Label_YQ_Click(); void Label_LB_Click(); void Label_GM_Click(); void Label_QD_Click();
    void Label_ZT_Click(); void Label_SF_Click(); void Label_GL_Click(); void Label_JT_Click();
    void label_ZH_Click();
    // The tip line under the pointer: its tool tip holds the whole text.
    void Tip_MouseMove();
    // Left: the characters recommended for the position; right: copy the
    // text. Bold from the press until the message is closed.
    void Tip_MouseDown(Qt::MouseButton button);
    void Tip_MouseUp(Qt::MouseButton button);

    // ---- timers (each tick is called directly by tests) -------------------
    void Timer1_Timer(); // tip line scrolling
    void Timer2_Timer(); // fade-in
    void Timer3_Timer(); // fade-out, then the exit routine
    void Timer4_Timer(); // blink tagged labels
    void Timer5_Timer(); // end the blinking
    void Timer6_Timer(); // caption: program version
    void Timer7_Timer(); // caption: data version
    void Timer8_Timer(); // database-upgrade notice
    void Timer9_Timer(); // update check

    // The run's data version (Versions::run().Sver()): 0 until the upgrade
    // notice reads it.
    double Sver() const;
    void setSver(double version);

    const BuildEngine &engine() const { return m_engine; }
    const Fade &fade() const { return m_fade; }
    TipStrip &tipStrip() { return m_strip; }
    PortraitWindow *portrait() const { return m_portrait.get(); }
    AnnouncementWindow *announcement() const { return m_announcement.get(); }

    // Shows the engine's state in the controls; runs after every event that
    // reached the engine.
    void render();

    // The context menu of ability caption `row` (0 … 11, 12 for 综合): one
    // item, "求…最高的配置", disabled while no character is chosen.
    QMenu *captionMenu(int row);

Q_SIGNALS:
    // The tool links; app/ opens their windows.
    void comparisonRequested(); // Label_NLDB
    void libraryRequested();    // "我的配置…" on 复制分享's menu
    void levelUpRequested();    // L_SJzs
    void skillsRequested();     // L_JNzs
    void zonePingRequested();   // L_XQzs
    // The context menu of an ability caption (0 … 11, 12 for 综合).
    void bestBuildRequested(int row);
    // Another character was chosen, or none (the team label).
    void characterChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildCharacterFrame();
    void buildAbilityFrame();
    void buildToolFrames();
    void buildTipStrip();
    void buildTimers();
    void wireLooks();
    void chainTabs();
    void wireHandlers();
    void wireLinks();
    void wirePictureMenu();
    void hoverAbility(int row); // 0 … 11, 12 for the total
    void resetAbilityHover();
    void wireExplanations();
    void wireBestBuildMenu();
    void explain(int row);
    bool tipEvent(QEvent *event);
    void setTipBold(bool bold);
    void portraitFollowsFrame();
    void showPortraitAtStart();
    void hideAbilitiesOnPortrait();
    template <typename T>
    T *control(const QString &name);

    void exitRoutine();
    void centreWithPortrait();
    void placeStrip();
    void showPortraitPicture(const QString &name);
    void mirrorPortrait();
    void applyOpacity();
    void setCaption(const QString &text, quint32 bgr);
    int widthTwipsNow() const;
    int heightTwipsNow() const;

    GameDatabase m_database;
    BuildEngine m_engine;
    Fade m_fade;
    TipStrip m_strip;
    bool m_loaded = false;
    quint64 m_seenTip = 0;
    quint64 m_seenFocus = 0;
    quint64 m_seenRefresh = 0;
    quint64 m_seenBlink = 0;
    bool m_abilitiesShown = false;

    std::unique_ptr<PortraitWindow> m_portrait;
    std::unique_ptr<AnnouncementWindow> m_announcement;

public:
    // ---- controls, by their given names ----------------------------------
    QGroupBox *Frame1 = nullptr; // "角色基本信息"
    QComboBox *Qiudui = nullptr;
    ClickLabel *Qiudui2 = nullptr;
    QComboBox *Xingming = nullptr;
    ClickLabel *Label_SBKK = nullptr;
    ClickLabel *Label_XSTX = nullptr;
    QLabel *Xingbie = nullptr;
    QLabel *Zhiye = nullptr;
    QLabel *Shengao = nullptr;

    QGroupBox *Frame4 = nullptr; // "角色能力值信息"
    // Captions, values and deviation markers of the twelve abilities.
    ClickLabel *Label_PD = nullptr, *Label_TT = nullptr, *Label_DK = nullptr, *Label_CQ = nullptr,
              *Label_YQ = nullptr, *Label_LB = nullptr, *Label_GM = nullptr, *Label_QD = nullptr,
              *Label_ZT = nullptr, *Label_SF = nullptr, *Label_GL = nullptr, *Label_JT = nullptr;
    QLabel *Paodong = nullptr, *Tantiao = nullptr, *Duikang = nullptr, *Chuanqiu = nullptr,
           *Yunqiu = nullptr, *Lanban = nullptr, *Gaimao = nullptr, *Qiangduan = nullptr,
           *Zhongtou = nullptr, *Sanfen = nullptr, *Guanlan = nullptr, *Jintou = nullptr;
    QLabel *PD = nullptr, *TT = nullptr, *DK = nullptr, *CQ = nullptr, *YQ = nullptr, *LB = nullptr,
           *GM = nullptr, *QD = nullptr, *ZT = nullptr, *SF = nullptr, *GL = nullptr, *JT = nullptr;
    // The same, in the shared ability order.
    std::array<ClickLabel *, AbilityCount> captionLabels{};
    std::array<QLabel *, AbilityCount> valueLabels{};
    std::array<QLabel *, AbilityCount> markerLabels{};
    ClickLabel *label_ZH = nullptr;
    QLabel *Zonghe = nullptr;
    QLabel *ZH = nullptr;
    ClickLabel *Label_NLDB = nullptr;
    ClickLabel *Label_FZNL = nullptr;

    SettingsPages *Settings = nullptr; // Frame2 … Frame2_4

    QGroupBox *Frame3 = nullptr; // "其它实用功能"
    ClickLabel *L_SJzs = nullptr;
    ClickLabel *L_JNzs = nullptr;
    ClickLabel *L_XQzs = nullptr;
    ClickLabel *L_GG = nullptr;

    QGroupBox *Frame5 = nullptr; // "软件信息", alternating with the versions
    ClickLabel *L_update = nullptr;
    ClickLabel *Fankui = nullptr;
    ClickLabel *fenxiang = nullptr;

    QWidget *Frame6 = nullptr; // the strip that carries the tip line
    QLabel *Tip = nullptr;

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
    QTimer *Timer6 = nullptr;
    QTimer *Timer7 = nullptr;
    QTimer *Timer8 = nullptr;
    QTimer *Timer9 = nullptr;
};
