#include "LevelUpWindow.h"

#include "ClickLabel.h"
#include "Configuration.h"
#include "LevelUpDigitBox.h"
#include "LevelUpMath.h"
#include "LevelUpTable.h"
#include "ShareWindowOpen.h"
#include "Units.h"
#include "Versions.h"
#include "WindowList.h"
#include "mIni.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>

#include <utility>

// The progress bar JYT: a green line whose left end stays put and whose
// length is given in twips.
class LevelUpBar : public QWidget {
public:
    using QWidget::QWidget;
    double lengthTwips() const { return m_length; }
    void setLengthTwips(double twips)
    {
        if (twips != m_length) {
            m_length = twips;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(QRectF(0, 0, m_length / TwipsPerPixel, height()), fromBgr(Green));
    }

private:
    static constexpr quint32 Green = 0x00C000;
    double m_length = 0;
};

namespace {

// Layout in twips. The table is shown in three blocks side by side.
constexpr int Margin = 120;
constexpr int RowHeight = 255;
constexpr int TableTop = 120;
constexpr int BlockWidth = 3380;
constexpr int BlockRows = 17;
constexpr std::array<int, 3> ColumnLeft{0, 1000, 2160};
constexpr std::array<int, 3> ColumnWidth{960, 1120, 1140};
constexpr int FrameTop = 5100;
constexpr int BarLeft = 230;          // inside Frame1
constexpr int BarTop = 1150;
constexpr int BarThicknessPixels = 15;

// The share link: blue and bold under the pointer, dark red again over the frame.
const LinkLookRow ShareLook{u"fenxiang", {0xFF0000, true, {}, {}}, {}, {}, {0x000080, false, {}, {}}, true};

// Empty boxes are stored as empty values, not as absent keys.
QString stored(const QString &text) { return text.isNull() ? QStringLiteral("") : text; }

QLabel *label(QWidget *parent, const QString &text, QRect rect, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(rect);
    l->setAlignment(align);
    return l;
}

} // namespace

LevelUpWindow::LevelUpWindow(QWidget *mainWindow) : QWidget(nullptr, Qt::Window), m_main(mainWindow)
{
    setObjectName(QStringLiteral("SJzs"));
    setWindowTitle(QStringLiteral("升级助手 - ZR角色助手"));
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    buildTable();
    buildFrame();
    // Tab: the two boxes and the share link first, then the table's totals.
    QWidget *previous = fenxiang;
    setTabOrder(Text_Srjy, Text_Sjsd);
    setTabOrder(Text_Sjsd, fenxiang);
    for (ClickLabel *total : Lv)
        setTabOrder(std::exchange(previous, total), total);
    render();
}

LevelUpWindow::~LevelUpWindow() = default;

void LevelUpWindow::buildTable()
{
    const std::array<QString, 3> headers{QStringLiteral("升 级"), QStringLiteral("需经验"), QStringLiteral("总经验")};
    for (int block = 0; block < 3; ++block) {
        const int left = Margin + block * BlockWidth;
        for (int c = 0; c < 3; ++c) {
            QLabel *h = label(this, headers[c], twipsRect(left + ColumnLeft[c], TableTop, ColumnWidth[c], RowHeight),
                              Qt::AlignCenter);
            QFont f = h->font();
            f.setBold(true);
            h->setFont(f);
        }
    }
    for (int i = 0; i < LevelStepCount; ++i) {
        const LevelStep &row = LevelSteps[i];
        const int block = i / BlockRows;
        const int left = Margin + block * BlockWidth;
        const int top = TableTop + RowHeight * (1 + i % BlockRows);
        label(this, row.step.toString(), twipsRect(left + ColumnLeft[0], top, ColumnWidth[0], RowHeight),
              Qt::AlignCenter);
        label(this, row.need.toString(), twipsRect(left + ColumnLeft[1], top, ColumnWidth[1], RowHeight),
              Qt::AlignCenter);
        auto *total = new ClickLabel(QString::number(row.total), this);
        total->setObjectName(row.label.toString());
        total->setGeometry(twipsRect(left + ColumnLeft[2], top, ColumnWidth[2], RowHeight));
        total->setAlignment(Qt::AlignCenter);
        setLinkColour(total, fromBgr(0x800000));
        connect(total, &ClickLabel::clicked, this, [this, i] { Lv_Click(i); });
        total->setSpokenCaption(u"升级 " + row.step.toString() + u" 总经验");
        Lv[i] = total;
    }
    Label164 = label(this, QStringLiteral("注：图中打*号的表示升级不加任何能力值。"),
                     twipsRect(Margin, TableTop + RowHeight * (BlockRows + 1) + 60, 6000, RowHeight));
    Label164->setObjectName(QStringLiteral("Label164"));
    setLinkColour(Label164, fromBgr(0x0000C0));
}

void LevelUpWindow::buildFrame()
{
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(Margin, FrameTop, WidthTwips - 2 * Margin, 2450));
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);

    QLabel *experienceCaption =
        label(Frame1, QStringLiteral("点击表格中总经验或输入你的经验值："), twipsRect(BarLeft, 300, 3500, 300));
    Text_Srjy = new LevelUpDigitBox(Frame1);
    experienceCaption->setBuddy(Text_Srjy);
    Text_Srjy->setObjectName(QStringLiteral("Text_Srjy"));
    Text_Srjy->setGeometry(twipsRect(3750, 270, 1800, 360));
    QLabel *speedCaption = label(Frame1, QStringLiteral("设置升级速度："), twipsRect(6000, 300, 1500, 300));
    Text_Sjsd = new LevelUpDigitBox(Frame1);
    speedCaption->setBuddy(Text_Sjsd);
    speedCaption->setAccessibleName(QStringLiteral("升级速度（经验/天）"));
    Text_Sjsd->setObjectName(QStringLiteral("Text_Sjsd"));
    Text_Sjsd->setGeometry(twipsRect(7400, 270, 1300, 360));
    label(Frame1, QStringLiteral("经验/天"), twipsRect(8760, 300, 900, 300));

    const int barWidth = int(LevelUpMath::BarLengthTwips);
    label(Frame1, QStringLiteral("Lv.1"), twipsRect(BarLeft, BarTop - 330, 900, 300));
    label(Frame1, QStringLiteral("Lv.50"), twipsRect(BarLeft + barWidth - 900, BarTop - 330, 900, 300),
          Qt::AlignRight | Qt::AlignVCenter);
    auto *track = new QWidget(Frame1); // where the full bar would end
    track->setGeometry(twipsToPixels(BarLeft) - 1, twipsToPixels(BarTop) - 1, twipsToPixels(barWidth) + 2,
                       BarThicknessPixels + 2);
    track->setStyleSheet(QStringLiteral("border: 1px solid #b0b0b0;"));
    JYT = new LevelUpBar(Frame1);
    JYT->setObjectName(QStringLiteral("JYT"));
    JYT->setGeometry(twipsToPixels(BarLeft), twipsToPixels(BarTop), twipsToPixels(barWidth), BarThicknessPixels);

    Label5 = label(Frame1, LevelUpModel::InitialStatus, twipsRect(BarLeft, 1520, barWidth, 360));
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);

    fenxiang = new ClickLabel(QStringLiteral("分享我的经验值"), Frame1);
    fenxiang->setObjectName(QStringLiteral("fenxiang"));
    fenxiang->setGeometry(twipsRect(BarLeft + barWidth - 1800, 1950, 1800, 300));
    fenxiang->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wireLook(fenxiang, ShareLook);
    connect(fenxiang, &ClickLabel::clicked, this, &LevelUpWindow::fenxiang_Click);

    connect(Text_Srjy, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model.setExperienceText(text);
        render();
    });
    connect(Text_Sjsd, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_model.setSpeedText(text);
        render();
    });
}

void LevelUpWindow::render()
{
    for (auto [box, text] : {std::pair{Text_Srjy, m_model.experienceText()}, std::pair{Text_Sjsd, m_model.speedText()}}) {
        if (box->text() != text) {
            const QSignalBlocker quiet(box);
            box->setText(text);
        }
    }
    JYT->setLengthTwips(m_model.barTwips());
    Label5->setText(m_model.status());
    fenxiang->setEnabled(m_model.shareEnabled());
}

double LevelUpWindow::barTwips() const { return JYT->lengthTwips(); }

void LevelUpWindow::Form_Load()
{
    if (m_main)
        m_main->showMinimized();
    Configuration::selectForReading();
    const QString experience = mIni::IniRead(Configuration::LevelUpSection, Configuration::ExperienceKey);
    const QString speed = mIni::IniRead(Configuration::LevelUpSection, Configuration::SpeedKey);
    m_model.load(experience, speed);
    m_saved = {experience, speed};
    resetLooks(this, std::array{ShareLook});
    render();
}

void LevelUpWindow::Form_Unload()
{
    // Nothing changed, nothing written: a longer value than a read returns
    // (only a hand edit makes one) stays as it is.
    if (std::pair{m_model.experienceText(), m_model.speedText()} != m_saved) {
        Configuration::selectForWriting();
        mIni::WriteBatch batch;
        mIni::IniWrite(Configuration::LevelUpSection, Configuration::ExperienceKey, stored(m_model.experienceText()));
        mIni::IniWrite(Configuration::LevelUpSection, Configuration::SpeedKey, stored(m_model.speedText()));
    }
    // Not while the program ends: the main window is closing too.
    if (m_main && m_main->isMinimized() && !WindowList::closingAll())
        m_main->showNormal();
}

void LevelUpWindow::Lv_Click(int row)
{
    Text_Srjy->setText(Lv[row]->text());
}

void LevelUpWindow::fenxiang_Click()
{
    ShareWindowOpen(m_model.shareText(VersionText::oneDecimal(Versions::run().Fver())),
                    QStringLiteral("分享我的经验值 - ZR角色助手"));
}

void LevelUpWindow::showEvent(QShowEvent *event)
{
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}

void LevelUpWindow::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        m_loaded = false;
        Form_Unload();
    }
    QWidget::closeEvent(event);
}

bool LevelUpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseMove)
        applyLook(fenxiang, ShareLook.frame);
    return QWidget::eventFilter(watched, event);
}
