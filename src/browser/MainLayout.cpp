// The controls of the main window and where they sit. Positions and sizes
// are in twips, as the window was designed; place() is the one conversion.

#include "Main.h"

#include "BrowserTexts.h"
#include "ClickLabel.h"
#include "GroupBoxFrame.h"
#include "PickListKeys.h"
#include "SettingsPages.h"
#include "Units.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

template <typename T>
T *named(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

// A frame of the window: its frame is drawn without decoding a picture.
QGroupBox *frame(QWidget *parent, const QString &name, const QString &title)
{
    auto *box = named(new QGroupBox(title, parent), name);
    useBuiltInFrame(box);
    return box;
}

QLabel *caption(QWidget *parent, const QString &text, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    place(label, left, top, width, 300);
    return label;
}

QLabel *field(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *label = named(new QLabel(parent), name);
    place(label, left, top, width, 300);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, fromBgr(0x800000)); // navy: values read apart from captions
    label->setPalette(p);
    return label;
}

ClickLabel *link(QWidget *parent, const QString &name, const QString &text, int left, int top,
                int width, int height = 330)
{
    auto *label = named(new ClickLabel(text, parent), name);
    place(label, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    // Its own text colour, so a frame's caption colour doesn't pass into it.
    setLinkColour(label, fromBgr(0x000000));
    return label;
}

QComboBox *pickList(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(false);
    box->setMaxVisibleItems(20);
    pickOnlyWhenOpen(box);
    place(box, left, top, width, 345);
    return box;
}

// Frames of the window. The settings pages (5000 x 3600) sit at the lower
// left; the two link frames stand in a column beside them.
constexpr int FrameLeft = 120;
constexpr int FrameWidth = Main::WidthTwips - 2 * FrameLeft;
constexpr int CharacterTop = 45, CharacterHeight = 1155;
constexpr int AbilityTop = 1230, AbilityHeight = 2010;
constexpr int SettingsTop = 3285, SettingsWidth = 5000, SettingsHeight = 3600;
constexpr int ColumnLeft = FrameLeft + SettingsWidth + 105;
constexpr int ColumnWidth = Main::WidthTwips - FrameLeft - ColumnLeft;
constexpr int ToolsHeight = 1770;
constexpr int InfoTop = SettingsTop + ToolsHeight + 60;
constexpr int InfoHeight = SettingsHeight - ToolsHeight - 60;
constexpr int StripTop = SettingsTop + SettingsHeight + 30, StripHeight = 270;
static_assert(StripTop + StripHeight <= Main::HeightTwips);

} // namespace

void Main::buildControls()
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("ZR角色助手"));
    // The layout is fixed: the window can't be resized or maximised.
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    setMouseTracking(true);

    buildCharacterFrame();
    buildAbilityFrame();

    Settings = new SettingsPages(m_engine, this);
    Settings->move(twipsToPixels(FrameLeft), twipsToPixels(SettingsTop));

    buildToolFrames();
    buildTipStrip();
    buildTimers();

    // The record, the tip line and the results show what the database holds:
    // every label shows its text as written, never as markup.
    for (QLabel *label : findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

void Main::buildCharacterFrame()
{
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("角色基本信息"));
    place(Frame1, FrameLeft, CharacterTop, FrameWidth, CharacterHeight);

    // Two rows: the boxes and the look-around, then the record.
    constexpr int Row1 = 300, Row2 = 735;
    // The two boxes and their captions lie on a plain layer of the frame, the
    // size of the frame and below its other controls: a box straight on a
    // group box would be labelled by the frame's caption as well. The layer
    // tracks the mouse but ignores its moves, so they go on to the frame.
    auto *boxes = named(new QWidget(Frame1), QStringLiteral("Frame1Boxes"));
    boxes->setGeometry(Frame1->rect());
    boxes->setMouseTracking(true);
    QLabel *teamCaption = caption(boxes, QStringLiteral("球 队"), 180, Row1 + 30, 540);
    Qiudui = pickList(boxes, QStringLiteral("Qiudui"), 720, Row1, 2130);
    teamCaption->setBuddy(Qiudui);
    teamCaption->setAccessibleName(QStringLiteral("球队"));
    // The team label takes the box's place once a character is chosen.
    Qiudui2 = link(Frame1, QStringLiteral("Qiudui2"), QString(), 720, Row1, 2130, 345);
    Qiudui2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Qiudui2->setToolTip(QStringLiteral("点击可重选球队"));
    Qiudui2->setSpokenCaption(QStringLiteral("球队"));
    Qiudui2->hide();

    QLabel *characterCaption = caption(boxes, QStringLiteral("角 色"), 3030, Row1 + 30, 540);
    Xingming = pickList(boxes, QStringLiteral("Xingming"), 3570, Row1, 1860);
    characterCaption->setBuddy(Xingming);
    characterCaption->setAccessibleName(QStringLiteral("角色"));
    Label_SBKK = link(Frame1, QStringLiteral("Label_SBKK"), QStringLiteral("随便看看"), 5580, Row1, 900);

    caption(Frame1, QStringLiteral("性 别"), 180, Row2, 540);
    Xingbie = field(Frame1, QStringLiteral("Xingbie"), 720, Row2, 900);
    caption(Frame1, QStringLiteral("职 业"), 1770, Row2, 540);
    Zhiye = field(Frame1, QStringLiteral("Zhiye"), 2310, Row2, 720);
    caption(Frame1, QStringLiteral("身 高"), 3030, Row2, 540);
    Shengao = field(Frame1, QStringLiteral("Shengao"), 3570, Row2, 1860);
    Label_XSTX = link(Frame1, QStringLiteral("Label_XSTX"), QStringLiteral("显示头像"), 5580, Row2 - 30, 900);
}

void Main::buildAbilityFrame()
{
    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("角色能力值信息"));
    place(Frame4, FrameLeft, AbilityTop, FrameWidth, AbilityHeight);

    // Four rows of three abilities, in the shared order, then the total.
    constexpr int CellWidth = FrameWidth / 3;
    constexpr int RowTop = 285, RowHeight = 330;
    const auto cell = [&](int row, int column, ClickLabel *captionLabel, QLabel *value, QLabel *marker) {
        const int x = column * CellWidth + 180;
        const int y = RowTop + row * RowHeight;
        place(captionLabel, x, y, 660, 300);
        place(value, x + 690, y, 480, 300);
        place(marker, x + 1170, y, 720, 300);
        captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        marker->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        marker->setIndent(twipsToPixels(90));
        value->setMouseTracking(true);
    };

    // The members of each ability's three labels, in the shared order.
    static constexpr std::array<ClickLabel *Main::*, AbilityCount> captionMembers{
        &Main::Label_PD, &Main::Label_TT, &Main::Label_DK, &Main::Label_CQ, &Main::Label_YQ, &Main::Label_LB,
        &Main::Label_GM, &Main::Label_QD, &Main::Label_ZT, &Main::Label_SF, &Main::Label_GL, &Main::Label_JT};
    static constexpr std::array<QLabel *Main::*, AbilityCount> valueMembers{
        &Main::Paodong, &Main::Tantiao, &Main::Duikang, &Main::Chuanqiu, &Main::Yunqiu, &Main::Lanban,
        &Main::Gaimao, &Main::Qiangduan, &Main::Zhongtou, &Main::Sanfen, &Main::Guanlan, &Main::Jintou};
    static constexpr std::array<QLabel *Main::*, AbilityCount> markerMembers{
        &Main::PD, &Main::TT, &Main::DK, &Main::CQ, &Main::YQ, &Main::LB,
        &Main::GM, &Main::QD, &Main::ZT, &Main::SF, &Main::GL, &Main::JT};

    for (int i = 0; i < AbilityCount; ++i) {
        const AbilityInfo &a = Abilities[i];
        // Captions are the ability names with a blank between the two characters.
        const QString name = a.name.toString();
        const QString text = QString(name.at(0)) + u' ' + name.at(1);
        captionLabels[i] = named(new ClickLabel(text, Frame4), a.caption.toString());
        valueLabels[i] = named(new QLabel(Frame4), a.valueLabel.toString());
        markerLabels[i] = named(new QLabel(Frame4), a.marker.toString());
        cell(i / 3, i % 3, captionLabels[i], valueLabels[i], markerLabels[i]);
        this->*captionMembers[i] = captionLabels[i];
        this->*valueMembers[i] = valueLabels[i];
        this->*markerMembers[i] = markerLabels[i];
    }
    label_ZH = named(new ClickLabel(QStringLiteral("综 合"), Frame4), QStringLiteral("label_ZH"));
    Zonghe = named(new QLabel(Frame4), TotalLabel.toString());
    ZH = named(new QLabel(Frame4), TotalMarker.toString());
    cell(4, 0, label_ZH, Zonghe, ZH);

    const int linkTop = RowTop + 4 * RowHeight - 15;
    Label_NLDB = link(Frame4, QStringLiteral("Label_NLDB"), QStringLiteral("能力对比"), CellWidth + 690, linkTop, 900);
    Label_FZNL = link(Frame4, QStringLiteral("Label_FZNL"), QStringLiteral("复制分享"), 2 * CellWidth + 690, linkTop, 900);
    Label_FZNL->setEnabled(false);
}

void Main::buildToolFrames()
{
    // One link a row, centred in the column.
    constexpr int LinkWidth = 960, LinkLeft = (ColumnWidth - LinkWidth) / 2;
    const auto row = [](int n) { return 300 + n * 360; };

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("其它实用功能"));
    place(Frame3, ColumnLeft, SettingsTop, ColumnWidth, ToolsHeight);
    L_SJzs = link(Frame3, QStringLiteral("L_SJzs"), QStringLiteral("升级助手"), LinkLeft, row(0), LinkWidth);
    L_JNzs = link(Frame3, QStringLiteral("L_JNzs"), QStringLiteral("技能助手"), LinkLeft, row(1), LinkWidth);
    L_XQzs = link(Frame3, QStringLiteral("L_XQzs"), QStringLiteral("选区助手"), LinkLeft, row(2), LinkWidth);
    L_GG = link(Frame3, QStringLiteral("L_GG"), QStringLiteral("街球公告"), LinkLeft, row(3), LinkWidth);

    Frame5 = frame(this, QStringLiteral("Frame5"), QStringLiteral("软件信息"));
    place(Frame5, ColumnLeft, InfoTop, ColumnWidth, InfoHeight);
    L_update = link(Frame5, QStringLiteral("L_update"), QStringLiteral("更新"), LinkLeft, row(0), LinkWidth);
    Fankui = link(Frame5, QStringLiteral("Fankui"), QStringLiteral("反馈"), LinkLeft, row(1), LinkWidth);
    fenxiang = link(Frame5, QStringLiteral("fenxiang"), QStringLiteral("分享"), LinkLeft, row(2), LinkWidth);
}

// Tab follows the wizard: team and character, the settings pages (only the
// page shown and its lists that can be picked take part), then the ability
// panel and the tool links. Called once the links are wired: only a label
// with a click action takes the focus.
void Main::chainTabs()
{
    QList<QWidget *> chain{Qiudui, Qiudui2, Xingming, Label_SBKK, Label_XSTX};
    for (QWidget *w : Settings->findChildren<QWidget *>())
        if (qobject_cast<QComboBox *>(w) || qobject_cast<ClickLabel *>(w))
            chain << w;
    for (ClickLabel *c : captionLabels)
        chain << c;
    chain << label_ZH << Label_NLDB << Label_FZNL << L_SJzs << L_JNzs << L_XQzs << L_GG << L_update << Fankui
          << fenxiang;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void Main::buildTipStrip()
{
    Frame6 = named(new QWidget(this), QStringLiteral("Frame6"));
    Frame6->setMouseTracking(true);
    Tip = named(new QLabel(QStringLiteral("说明文档"), Frame6), QStringLiteral("Tip"));
    Tip->setMouseTracking(true);
    QPalette p = Tip->palette();
    p.setColor(QPalette::WindowText, fromBgr(0x800000));
    Tip->setPalette(p);
    Tip->adjustSize();
    m_strip.place(WidthTwips / 2, pixelsToTwips(Tip->width()));
    placeStrip();
}

void Main::placeStrip()
{
    const int height = twipsToPixels(StripTop + StripHeight) - twipsToPixels(StripTop);
    Frame6->setGeometry(twipsToPixels(m_strip.left()), twipsToPixels(StripTop),
                        twipsToPixels(m_strip.width()), height);
    Tip->move(0, (height - Tip->height()) / 2);
}

void Main::buildTimers()
{
    const auto timer = [this](const char *name, int interval) {
        auto *t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(interval);
        return t;
    };
    Timer1 = timer("Timer1", 20);
    Timer2 = timer("Timer2", 10);
    // 16 ms: the 49 steps of the fade-out take about three quarters of a
    // second, as they did where timers tick every 15.6 ms.
    Timer3 = timer("Timer3", 16);
    Timer4 = timer("Timer4", 200);
    Timer5 = timer("Timer5", 1300);
    Timer6 = timer("Timer6", 6500);
    Timer7 = timer("Timer7", 6500);
    Timer8 = timer("Timer8", 3000);
    Timer9 = timer("Timer9", 30000);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Main::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Main::Timer3_Timer);
    connect(Timer4, &QTimer::timeout, this, &Main::Timer4_Timer);
    connect(Timer5, &QTimer::timeout, this, &Main::Timer5_Timer);
    connect(Timer6, &QTimer::timeout, this, &Main::Timer6_Timer);
    connect(Timer7, &QTimer::timeout, this, &Main::Timer7_Timer);
    connect(Timer8, &QTimer::timeout, this, &Main::Timer8_Timer);
    connect(Timer9, &QTimer::timeout, this, &Main::Timer9_Timer);
}
