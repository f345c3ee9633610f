#include "PortraitWindow.h"

#include "RegularFile.h"

#include "Abilities.h"
#include "BesideWindow.h"
#include "ClickLabel.h"
#include "ShareWindowOpen.h"
#include "SystemColours.h"
#include "Units.h"
#include "WindowList.h"
#include "zrc_version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Layout in twips: the picture fills the top of the window; the ability rows
// follow below 3000 twips, so a window of 3000 twips (outer, as the main
// window sets it) shows the picture alone, and they appear when the
// calculator makes the window as tall as the main window.
constexpr int WindowWidth = 2950;
constexpr int PictureLeft = 60;
constexpr int PictureTop = 60;
constexpr int PictureWidth = WindowWidth - 2 * PictureLeft;
constexpr int PictureHeight = 2280;
constexpr int PictureOnlyHeight = 3000;
constexpr int FirstRowTop = PictureOnlyHeight;
constexpr int RowHeight = 300;
constexpr int CaptionLeft = 60;
constexpr int CaptionWidth = 520;
constexpr int BarLeft = 600;  // X1 of every bar; a full bar ends at 2450
constexpr int ValueWidth = 480;
constexpr int LabelHeight = 240;
constexpr int BarThickness = 6;  // pixels

const QString MissingPictureNotice = QStringLiteral("无头像，请检查客户端完整性！");

int rowCentre(int i) { return FirstRowTop + i * RowHeight + RowHeight / 2; }

void setColours(QLabel *label, quint32 text, const QColor &background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, fromBgr(text));
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
}

QString programVersion()
{
    return QString::number(QByteArray(ZRC_VERSION_STRING).toDouble(), 'f', 1);
}

} // namespace

PortraitWindow::PortraitWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("XsTx"));
    setWindowTitle(QStringLiteral("角色头像 - ZR角色助手"));
    setMouseTracking(true);
    setFixedWidth(twipsToPixels(WindowWidth));
    setMinimumHeight(twipsToPixels(600));
    resize(twipsToPixels(WindowWidth), twipsToPixels(PictureOnlyHeight));
    m_frame = new FrameWatch(this);
    connect(m_frame, &FrameWatch::frameChanged, this, &PortraitWindow::frameChanged);

    for (int i = 0; i < AbilityCount; ++i) {
        const AbilityInfo &a = Abilities[i];
        auto *caption = new QLabel(a.name.toString(), this);
        caption->setObjectName(a.caption.toString());
        caption->setGeometry(twipsRect(CaptionLeft, rowCentre(i) - LabelHeight / 2, CaptionWidth,
                                       LabelHeight));
        m_captions[i] = caption;

        auto *value = new QLabel(this);
        value->setObjectName(a.valueLabel.toString());
        value->setTextFormat(Qt::PlainText); // the main window's value, as written
        m_values[i] = value;
        m_barX2[i] = BarLeft;
        setValueLeftTwips(i, BarLeft + 10);
    }

    GuanBi = new ClickLabel(QStringLiteral("关闭头像"), this);
    GuanBi->setObjectName(QStringLiteral("GuanBi"));
    GuanBi->setAutoFillBackground(true);
    GuanBi->setAlignment(Qt::AlignCenter);
    GuanBi->setGeometry(twipsRect(PictureLeft + PictureWidth - 960, PictureTop, 960, 300));
    GuanBi->hide();

    DKLJ = new ClickLabel(QStringLiteral("我有话要说..."), this);
    DKLJ->setObjectName(QStringLiteral("DKLJ"));
    DKLJ->setAutoFillBackground(true);
    DKLJ->setAlignment(Qt::AlignCenter);
    DKLJ->setGeometry(twipsRect(PictureLeft, PictureTop + PictureHeight - 300, PictureWidth, 300));
    DKLJ->hide();

    connect(GuanBi, &ClickLabel::hovered, this, &PortraitWindow::GuanBi_MouseMove);
    connect(GuanBi, &ClickLabel::clicked, this, &PortraitWindow::GuanBi_Click);
    connect(DKLJ, &ClickLabel::clicked, this, &PortraitWindow::DKLJ_Click);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &PortraitWindow::Timer1_Timer);
}

PortraitWindow::~PortraitWindow() = default;

bool PortraitWindow::setPicture(const QString &jpegPath)
{
    // Only a regular file of bounded size is read: a FIFO or a device in the
    // pictures folder must not block or exhaust the program.
    QImage image;
    const RegularFile::Contents file = RegularFile::read(jpegPath);
    const bool loaded = file.ok() && image.loadFromData(file.bytes);
    m_picture = loaded ? image : QImage();
    m_notice.clear();
    update();
    return loaded;
}

void PortraitWindow::showMissingPicture()
{
    m_picture = QImage();
    m_notice = MissingPictureNotice;
    update();
}

bool PortraitWindow::hasPicture() const { return !m_picture.isNull(); }

QString PortraitWindow::noticeText() const { return m_notice; }

QLabel *PortraitWindow::valueLabel(int i) const { return m_values.at(i); }

QLabel *PortraitWindow::captionLabel(int i) const { return m_captions.at(i); }

double PortraitWindow::barX1(int) const { return BarLeft; }

double PortraitWindow::barX2(int i) const { return m_barX2.at(i); }

void PortraitWindow::setBarX2(int i, double twips)
{
    m_barX2.at(i) = twips;
    update();
}

void PortraitWindow::setValueLeftTwips(int i, double twips)
{
    m_values.at(i)->setGeometry(twipsRect(int(twips), rowCentre(i) - LabelHeight / 2, ValueWidth,
                                          LabelHeight));
}

bool PortraitWindow::isNormalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

int PortraitWindow::leftTwips() const { return int(pixelsToTwips(BesideWindow::outerGeometry(this).x())); }

int PortraitWindow::topTwips() const { return int(pixelsToTwips(BesideWindow::outerGeometry(this).y())); }

int PortraitWindow::widthTwips() const { return int(pixelsToTwips(BesideWindow::outerGeometry(this).width())); }

int PortraitWindow::heightTwips() const { return int(pixelsToTwips(BesideWindow::outerGeometry(this).height())); }

void PortraitWindow::moveTwips(int left, int top) { move(twipsToPixels(left), twipsToPixels(top)); }

void PortraitWindow::setHeightTwips(int twips)
{
    m_outerHeightTwips = twips;
    const QMargins frame = BesideWindow::frameMargins(this);
    resize(width(), qMax(minimumHeight(), twipsToPixels(twips) - frame.top() - frame.bottom()));
}

void PortraitWindow::placeBeside(const QWidget *mainWindow)
{
    m_besideOf = mainWindow;
    BesideWindow::place(this, mainWindow, BesideWindow::Side::Left, 200);
}

void PortraitWindow::frameChanged()
{
    // Framed (or framed anew): the same outer height and place as asked for.
    setHeightTwips(m_outerHeightTwips);
    if (m_besideOf)
        placeBeside(m_besideOf);
}

void PortraitWindow::setCharacterNameProvider(std::function<QString()> provider)
{
    m_characterName = std::move(provider);
}

void PortraitWindow::Timer1_Timer()
{
    GuanBi->hide();
    DKLJ->hide();
    Timer1.stop();
}

void PortraitWindow::Form_MouseMove()
{
    Timer1.start();
    GuanBi->show();
    DKLJ->show();
    setColours(GuanBi, 0xFFFFFF, fromBgr(0xFFC16C));
}

void PortraitWindow::GuanBi_MouseMove()
{
    setColours(GuanBi, 0x0000FF, activeBorderColour());
    Timer1.stop();
}

void PortraitWindow::GuanBi_Click()
{
    hide();
    Q_EMIT portraitClosed();
}

void PortraitWindow::DKLJ_Click()
{
    const QString name = m_characterName ? m_characterName() : QString();
    ShareWindowOpen(QStringLiteral("%23Hoopra%23-%23") + name
                        + QStringLiteral("%23【 请 把 此 处 文 字 修 改 成 你 想 要 说 的 话 ！】（分享自:%23ZR角色助手%23V")
                        + programVersion() + QStringLiteral("丨作者:@QUILON）"),
                    QStringLiteral("角色交流 - ZR角色助手"));
}

void PortraitWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowList::opened(this);
}

void PortraitWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = twipsRect(PictureLeft, PictureTop, PictureWidth, PictureHeight);
    if (!m_picture.isNull()) {
        // Scaled once to the device pixels it covers, so it stays sharp on
        // a screen scaled by 1.5 or 2.
        const qreal dpr = devicePixelRatioF();
        QImage scaled = m_picture.scaled((QSizeF(area.size()) * dpr).toSize(), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(dpr);
        const QSizeF shown = scaled.deviceIndependentSize();
        painter.drawImage(QPointF(area.x() + (area.width() - shown.width()) / 2,
                                  area.y() + (area.height() - shown.height()) / 2),
                          scaled);
    } else if (!m_notice.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_notice);
    }

    // Bars in whole device pixels, so their edges stay sharp at any scale.
    const qreal dpr = devicePixelRatioF();
    const auto device = [dpr](double pixels) { return qRound(pixels * dpr); };
    painter.scale(1 / dpr, 1 / dpr);
    for (int i = 0; i < AbilityCount; ++i) {
        const int y = twipsToPixels(rowCentre(i));
        // A negative value draws its bar to the left of X1, as its X2 lies.
        const int x1 = twipsToPixels(BarLeft), x2 = twipsToPixels(m_barX2[i]);
        if (x1 != x2)
            painter.fillRect(QRect(QPoint(device(std::min(x1, x2)), device(y - BarThickness / 2.0)),
                                   QPoint(device(std::max(x1, x2)) - 1, device(y + BarThickness / 2.0) - 1)),
                             fromBgr(0xFF8000));
    }
}

void PortraitWindow::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    event->accept();
}

void PortraitWindow::closeEvent(QCloseEvent *event)
{
    // The title bar's close acts as GuanBi, so the main window can show it again.
    event->accept();
    Q_EMIT portraitClosed();
}
