#include "ComparisonWindow.h"

#include "BesideWindow.h"
#include "BuildEngine.h"
#include "ClickLabel.h"
#include "MessageBox.h"
#include "RadarWindow.h"
#include "SheetLoader.h"
#include "Units.h"
#include "WindowList.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Layout, in twips, inside Frame_VS unless said otherwise.
constexpr int FrameLeft = 120, FrameTop = 60, FrameWidth = 7800;
constexpr int HeaderLeft = 120, HeaderWidth = 900;
constexpr int SlotLeft = 1080, SlotWidth = 1300;
constexpr int RowTop = 330, RowHeight = 255;
constexpr int ButtonTop = RowTop + ComparisonRowCount * RowHeight + 105, ButtonHeight = 390;
constexpr int ButtonWidth = 900;
constexpr int FrameHeight = ButtonTop + ButtonHeight + 150;
constexpr int BottomTop = FrameTop + FrameHeight + 150; // window coordinates

constexpr int slotLeft(int n) { return SlotLeft + (n - 1) * SlotWidth; }
constexpr int rowTop(int row) { return RowTop + row * RowHeight; }

// Backgrounds: the header column, and every other row of the slots.
constexpr quint32 HeaderBackground = 0xF7EDE4;
constexpr quint32 StripeBackground = 0xF2F2F2;

// Marking a grid label by mouse.
struct MarkRow {
    Qt::MouseButton button;
    LinkLook look;
};
inline constexpr bool Bold = true, Regular = false;
const std::array<MarkRow, 3> Marks{{
    {Qt::LeftButton,   {0x0000FF, {}, {}, {}}}, // red
    {Qt::RightButton,  {0x808000, {}, {}, {}}}, // teal
    {Qt::MiddleButton, {{}, Bold, {}, {}}},
}};
const LinkLook Unmarked{0x000000, Regular, {}, {}};

const LinkLookRow ZjLook{u"Zj", {0x0000FF, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Regular, {}, 9},
                         {0xC00000, Regular, {}, {}}, true};
const LinkLookRow RadarLinkLook{u"RadarLink", {0x0000FF, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Regular, {}, 9},
                                {0xC00000, Regular, {}, {}}, true};

void fill(QWidget *widget, quint32 bgr)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, fromBgr(bgr));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &at)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(at);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

ComparisonWindow::ComparisonWindow(const BuildEngine &engine, const QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_engine(engine),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Nldb"));
    setWindowTitle(Title);
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    setMouseTracking(true);
    buildControls();
    // Placed on load by a frame that may not be there yet: once it is, again.
    connect(new FrameWatch(this), &FrameWatch::frameChanged, this, [this] {
        if (m_placedUnframed)
            placeBeside();
    });
}

QLabel *ComparisonWindow::cell(int n, int row) const { return cells.at(n - 1).at(row); }

ClickLabel *ComparisonWindow::gridLabel(const QString &name, const QString &text, int left, int top, int width)
{
    auto *label = new ClickLabel(text, Frame_VS);
    label->setObjectName(name);
    label->setGeometry(twipsRect(left, top, width, RowHeight));
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::ArrowCursor); // marked by mouse, but not a link
    applyLook(label, Unmarked);
    connect(label, &ClickLabel::pressed, this,
            [this, label](Qt::MouseButton b) { Label_MouseDown(label, b); });
    connect(label, &ClickLabel::doubleClicked, this, [this, label] { Label_DblClick(label); });
    return label;
}

void ComparisonWindow::buildControls()
{
    Frame_VS = new QGroupBox(QStringLiteral("在主界面中生成能力值后可导入在下表每列中"), this);
    Frame_VS->setObjectName(QStringLiteral("Frame_VS"));
    Frame_VS->setGeometry(twipsRect(FrameLeft, FrameTop, FrameWidth, FrameHeight));
    Frame_VS->setMouseTracking(true);
    Frame_VS->installEventFilter(this);

    for (int row = 0; row < ComparisonRowCount; ++row) {
        const ComparisonRow &r = ComparisonRows[row];
        headers[row] = gridLabel(r.header.toString(), r.caption.toString(), HeaderLeft, rowTop(row), HeaderWidth);
        fill(headers[row], HeaderBackground);
        for (int n = 1; n <= ComparisonSlots::SlotCount; ++n) {
            ClickLabel *label = gridLabel(r.header.toString() + QString::number(n), QString(), slotLeft(n), rowTop(row), SlotWidth);
            // Read with its row and slot: "跑动，第2栏：66".
            label->setSpokenCaption(spokenText(r.caption.toString()) + QStringLiteral("，第%1栏").arg(n));
            if (row % 2 == 1)
                fill(label, StripeBackground);
            cells[n - 1][row] = label;
        }
    }

    for (int n = 1; n <= ComparisonSlots::SlotCount; ++n) {
        const QRect at = twipsRect(slotLeft(n) + (SlotWidth - ButtonWidth) / 2, ButtonTop, ButtonWidth, ButtonHeight);
        ComDR[n - 1] = button(Frame_VS, QStringLiteral("ComDR%1").arg(n), QStringLiteral("导 入"), at);
        ComClearSlot[n - 1] = button(Frame_VS, QStringLiteral("ComClear%1").arg(n), QStringLiteral("清 除"), at);
        ComDR[n - 1]->setAccessibleName(QStringLiteral("导入第%1栏").arg(n));
        ComClearSlot[n - 1]->setAccessibleName(QStringLiteral("清除第%1栏").arg(n));
        connect(ComDR[n - 1], &QPushButton::clicked, this, [this, n] { ComDR_Click(n); });
        ComDR[n - 1]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(ComDR[n - 1], &QPushButton::customContextMenuRequested, this, [this, n](const QPoint &at) {
            auto *menu = new QMenu(this);
            menu->setObjectName(QStringLiteral("ComDRMenu%1").arg(n));
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addAction(QStringLiteral("从剪贴板导入"), this, [this, n] { ComDR_Paste(n); });
            menu->popup(ComDR[n - 1]->mapToGlobal(at));
        });
        connect(ComClearSlot[n - 1], &QPushButton::clicked, this, [this, n] { ComClear_Click(n); });
    }

    Ztt = new QLabel(QStringLiteral("涂色说明：鼠标左击-红色，右击-蓝色，中击-加粗，双击-还原。 "), this);
    Ztt->setObjectName(QStringLiteral("Ztt"));
    Ztt->setGeometry(twipsRect(FrameLeft, BottomTop + 60, 5400, 300));

    Zj = new ClickLabel(QStringLiteral("不够用？"), this);
    Zj->setObjectName(QStringLiteral("Zj"));
    Zj->setGeometry(twipsRect(5520, BottomTop + 45, 780, 330));
    Zj->setAlignment(Qt::AlignCenter);
    wireLook(Zj, ZjLook);
    connect(Zj, &ClickLabel::clicked, this, &ComparisonWindow::ZjClicked);

    RadarLink = new ClickLabel(QStringLiteral("雷达图"), this);
    RadarLink->setObjectName(QStringLiteral("RadarLink"));
    RadarLink->setGeometry(twipsRect(6300, BottomTop + 45, 660, 330));
    RadarLink->setAlignment(Qt::AlignCenter);
    wireLook(RadarLink, RadarLinkLook);
    connect(RadarLink, &ClickLabel::clicked, this, &ComparisonWindow::RadarLink_Click);

    ComClear = button(this, QStringLiteral("ComClear"), QStringLiteral("清 空"),
                      twipsRect(FrameLeft + FrameWidth - 900, BottomTop, 900, 420));
    ComClear->setAccessibleName(QStringLiteral("清空"));
    connect(ComClear, &QPushButton::clicked, this, [this] { ComClear_Click(); });

    auto *paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, &ComparisonWindow::pasteIntoFirstEmpty);
}

// ---- handlers -------------------------------------------------------------

void ComparisonWindow::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    placeBeside();
    m_slots.load();
    render();
}

void ComparisonWindow::placeBeside()
{
    BesideWindow::place(this, m_mainWindow, BesideWindow::Side::RightIfRoom, GapTwips);
    if (m_follows) {
        // Right against the first window, no gap, its top kept; inside the
        // screen like the first.
        QRect first = BesideWindow::outerGeometry(m_follows);
        first.moveTop(BesideWindow::outerGeometry(this).top());
        BesideWindow::moveOuterTo(this, Placement::beside(first, BesideWindow::outerGeometry(this).size(),
                                                          Placement::Side::Right, 0,
                                                          BesideWindow::screenArea(m_mainWindow)));
    }
    m_placedUnframed = BesideWindow::frameMargins(this).isNull();
}

void ComparisonWindow::follow(const QWidget *first)
{
    m_follows = first;
    if (m_loaded)
        placeBeside();
}

void ComparisonWindow::RadarLink_Click()
{
    if (!m_radar) {
        m_radar = new RadarWindow(m_slots, this);
        m_radar->setAttribute(Qt::WA_DeleteOnClose);
    }
    WindowList::showFromLink(m_radar, this);
}

void ComparisonWindow::ComDR_Click(int n)
{
    if (m_slots.importBuild(n, m_engine) == ComparisonSlots::Import::NoValues)
        MessageBox::show(QStringLiteral("能力值为空！请先设定出能力值后再试！"), MessageBox::Icon::Warning,
                         QStringLiteral("ZR角色助手提示！"));
    render();
}

void ComparisonWindow::ComDR_Paste(int n)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    pasteInto(n, clipboard ? clipboard->text() : QString());
}

void ComparisonWindow::pasteIntoFirstEmpty()
{
    const int n = m_slots.firstEmpty();
    if (n == 0) {
        MessageBox::show(QStringLiteral("五列都已有角色，请先清除一列再导入。"), MessageBox::Icon::Warning);
        return;
    }
    ComDR_Paste(n);
}

void ComparisonWindow::pasteInto(int n, const QString &text)
{
    QString why;
    const std::optional<ComparisonSlots::Column> cells = comparisonCells(text, &why);
    if (!cells) {
        // The reason may quote the pasted text: shown as plain text.
        MessageBox::show(why, MessageBox::Icon::Warning);
        return;
    }
    m_slots.importCells(n, *cells);
    render();
}

void ComparisonWindow::ComClear_Click(int n)
{
    m_slots.clear(n);
    render();
}

void ComparisonWindow::ComClear_Click()
{
    m_slots.clearAll();
    render();
}

void ComparisonWindow::Label_MouseDown(QLabel *label, Qt::MouseButton button)
{
    for (const MarkRow &mark : Marks)
        if (mark.button == button)
            applyLook(label, mark.look);
}

void ComparisonWindow::Label_DblClick(QLabel *label) { applyLook(label, Unmarked); }

// ---- events ---------------------------------------------------------------

void ComparisonWindow::render()
{
    for (int n = 1; n <= ComparisonSlots::SlotCount; ++n) {
        for (int row = 0; row < ComparisonRowCount; ++row)
            cells[n - 1][row]->setText(m_slots.cell(n, row));
        const bool empty = m_slots.offersImport(n);
        ComDR[n - 1]->setVisible(empty);
        ComClearSlot[n - 1]->setVisible(!empty);
    }
    ComClear->setEnabled(m_slots.clearAllEnabled());
    if (m_radar)
        m_radar->showSlots();
}

void ComparisonWindow::showEvent(QShowEvent *event)
{
    // Before the window reaches the screen, so it appears where it belongs.
    Form_Load();
    QWidget::showEvent(event);
    WindowList::opened(this);
}

void ComparisonWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // Once: the exit routine may close a window that is closing already.
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_radar)
        m_radar->close();
    m_slots.saveOnClose();
    Q_EMIT unloaded();
}

void ComparisonWindow::mouseMoveEvent(QMouseEvent *event)
{
    applyLook(Zj, ZjLook.frame);
    applyLook(RadarLink, RadarLinkLook.frame);
    QWidget::mouseMoveEvent(event);
}

bool ComparisonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame_VS && event->type() == QEvent::MouseMove) {
        applyLook(Zj, ZjLook.frame);
        applyLook(RadarLink, RadarLinkLook.frame);
    }
    return QWidget::eventFilter(watched, event);
}
