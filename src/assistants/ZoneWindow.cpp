#include "ZoneWindow.h"

#include "Endpoints.h"
#include "MessageBox.h"
#include "Numbers.h"
#include "ShareWindowOpen.h"
#include "Units.h"
#include "Versions.h"
#include "WindowList.h"
#include "ZoneAddress.h"
#include "zrc_version.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void setTextColour(QLabel *label, quint32 bgr)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    label->setPalette(p);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, int left, int top, int width)
{
    // The location and address come from a downloaded page: shown as written.
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setObjectName(name);
    place(l, left, top, width, 270);
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    place(b, left, top, 1575, 450);
    return b;
}

// Where the controls sit, in twips.
constexpr int GroupLeft = 240, ZoneLeft = 480, LatencyLeft = 3300;
constexpr int ZoneTops[ZoneCount] = {480, 840, 1560, 1920};
constexpr int TelecomTop = 150, NetcomTop = 1230;
constexpr int VerdictTop = 2400, AddressTop = 2760, ButtonTop = 3240;

const quint32 VerdictBgr = 0xFF0000; // blue

// The program version as the sheet writes it; the project's own until the
// start-up has fixed the run's versions.
VersionNumber programVersion()
{
    const VersionNumber fver = Versions::run().Fver();
    return fver > 0 ? fver : VersionText::read(QStringLiteral(ZRC_VERSION_STRING));
}

} // namespace

XQzs::XQzs(QWidget *mainWindow) : QWidget(nullptr), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("XQzs"));
    setWindowTitle(ZoneTexts::Title);
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    buildControls();
    connect(&m_pinger, &ZonePinger::measured, this, &XQzs::zoneMeasured);
    showDesignTexts();
}

XQzs::~XQzs()
{
    m_pinger.cancel();
    m_pinger.waitForWorker();
}

void XQzs::buildControls()
{
    Label1 = label(this, QStringLiteral("Label1"), ZoneTexts::Telecom, GroupLeft, TelecomTop, 1500);
    Label5 = label(this, QStringLiteral("Label5"), ZoneTexts::Netcom, GroupLeft, NetcomTop, 1500);
    for (QLabel *group : {Label1, Label5}) {
        QFont f = group->font();
        f.setBold(true);
        group->setFont(f);
    }
    for (int i = 0; i < ZoneCount; ++i) {
        const QString n = QString::number(i + 1);
        DQ[i] = label(this, u"DQ" + n, Zones[i].caption.toString(), ZoneLeft, ZoneTops[i], LatencyLeft - ZoneLeft);
        JGn[i] = label(this, u"JG" + n, ZoneTexts::LatencyPending, LatencyLeft, ZoneTops[i], 600);
        ZT[i] = label(this, u"ZT" + n, ZoneTexts::RatingPending, LatencyLeft + 600, ZoneTops[i], 1200);
    }
    JG = label(this, QStringLiteral("JG"), ZoneTexts::VerdictPending, GroupLeft, VerdictTop, WidthTwips - 2 * GroupLeft);
    IPDZ1 = label(this, QStringLiteral("IPDZ1"), ZoneTexts::LocationPending, GroupLeft, AddressTop, 3000);
    IPDZ2 = label(this, QStringLiteral("IPDZ2"), ZoneTexts::AddressPending, GroupLeft + 3060, AddressTop, 2070);
    cmdPing = button(this, QStringLiteral("cmdPing"), ZoneTexts::PingCaption, GroupLeft, ButtonTop);
    cmdHelp = button(this, QStringLiteral("cmdHelp"), ZoneTexts::HelpCaption, GroupLeft + 1770, ButtonTop);
    cmdFenxiang = button(this, QStringLiteral("cmdFenxiang"), ZoneTexts::ShareCaption, GroupLeft + 3540, ButtonTop);
    connect(cmdPing, &QPushButton::clicked, this, &XQzs::cmdPing_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &XQzs::cmdHelp_Click);
    connect(cmdFenxiang, &QPushButton::clicked, this, &XQzs::cmdFenxiang_Click);

    const auto timer = [this](const QString &name, void (XQzs::*tick)()) {
        auto *t = new QTimer(this);
        t->setObjectName(name);
        t->setInterval(1000);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    Timer1 = timer(QStringLiteral("Timer1"), &XQzs::Timer1_Timer);
    Timer2 = timer(QStringLiteral("Timer2"), &XQzs::Timer2_Timer);
    Timer3 = timer(QStringLiteral("Timer3"), &XQzs::Timer3_Timer);
    Timer4 = timer(QStringLiteral("Timer4"), &XQzs::Timer4_Timer);
    Timer5 = timer(QStringLiteral("Timer5"), &XQzs::Timer5_Timer);
    zoneTimers = {Timer1, Timer2, Timer3, Timer4};
}

// ---- opening and closing -----------------------------------------------------

void XQzs::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_open && !event->spontaneous())
        Form_Load();
}

void XQzs::closeEvent(QCloseEvent *event)
{
    if (m_open)
        Form_Unload();
    event->accept();
}

void XQzs::Form_Load()
{
    m_open = true;
    WindowList::opened(this);
    showDesignTexts();
    delete m_opening;
    m_opening = new QObject(this);
    if (m_mainWindow)
        m_mainWindow->showMinimized();
    showNotices(mPing::backend()->start());
    Timer5->start();
}

void XQzs::Form_Unload()
{
    m_open = false;
    stopMeasuring();
    Timer5->stop();
    delete m_opening; // an address answer still on its way is dropped
    m_opening = nullptr;
    m_state = State::Idle;
    showNotices(mPing::backend()->stop());
    if (m_mainWindow && m_mainWindow->isVisible())
        m_mainWindow->showNormal();
}

void XQzs::showDesignTexts()
{
    m_state = State::Idle;
    for (int zone = 1; zone <= ZoneCount; ++zone)
        resetZone(zone, ZoneTexts::RatingPending);
    for (QLabel *rating : ZT)
        rating->setPalette(palette()); // the design's plain text colour
    JG->setText(ZoneTexts::VerdictPending);
    setTextColour(JG, VerdictBgr);
    IPDZ1->setText(ZoneTexts::LocationPending);
    IPDZ2->setText(ZoneTexts::AddressPending);
    cmdPing->setText(ZoneTexts::PingCaption);
    cmdPing->setEnabled(true);
    cmdFenxiang->setEnabled(false);
}

void XQzs::resetZone(int zone, const QString &rating)
{
    QLabel *latency = JGn[zone - 1];
    latency->setText(ZoneTexts::LatencyPending);
    setTextColour(latency, PendingBgr);
    setTextColour(ZT[zone - 1], PendingBgr);
    ZT[zone - 1]->setText(rating);
    latency->resize(latency->sizeHint().width(), latency->height());
    ZT[zone - 1]->move(latency->x() + latency->width(), ZT[zone - 1]->y());
}

// ---- measurement -------------------------------------------------------------

void XQzs::cmdPing_Click()
{
    for (int zone = 1; zone <= ZoneCount; ++zone)
        resetZone(zone, ZoneTexts::RatingPending);
    JG->setText(ZoneTexts::VerdictMeasuring);
    cmdPing->setEnabled(false);
    cmdPing->setText(ZoneTexts::PingMeasuring);
    cmdFenxiang->setEnabled(false);
    m_state = State::Measuring;
    Timer1->start();
}

void XQzs::Timer1_Timer() { Timer1->stop(); measure(1); }
void XQzs::Timer2_Timer() { Timer2->stop(); measure(2); }
void XQzs::Timer3_Timer() { Timer3->stop(); measure(3); }
void XQzs::Timer4_Timer() { Timer4->stop(); measure(4); }

void XQzs::measure(int zone)
{
    if (m_state != State::Measuring)
        return;
    ZT[zone - 1]->setText(ZoneTexts::RatingMeasuring);
    // Read here, on this thread: the worker only sends echoes.
    m_pinger.start(zone, Endpoints::zone(zone));
}

void XQzs::zoneMeasured(int zone, const ZoneOutcome &outcome)
{
    if (m_state != State::Measuring)
        return;
    if (!outcome.permitted) {
        refused(outcome.reason);
        return;
    }
    showLatency(zone, outcome.latency);
    Q_EMIT zoneShown(zone);
    showNotices(outcome.notices);
    if (m_state != State::Measuring) // closed while a notice was up
        return;
    if (zone < ZoneCount)
        zoneTimers[zone]->start();
    else
        giveVerdict();
}

void XQzs::showLatency(int zone, int latencyMs)
{
    QLabel *latency = JGn[zone - 1];
    QLabel *rating = ZT[zone - 1];
    const Rating r = rate(latencyMs);
    latency->setText(QString::number(latencyMs) + u"ms");
    setTextColour(latency, r.bgr);
    rating->setText(r.text.toString());
    setTextColour(rating, r.bgr);
    latency->resize(latency->sizeHint().width(), latency->height());
    rating->move(latency->x() + latency->width(), rating->y());
}

void XQzs::giveVerdict()
{
    m_state = State::Measured;
    cmdPing->setText(ZoneTexts::PingCaption);
    cmdPing->setEnabled(true);
    cmdFenxiang->setEnabled(true);
    cmdFenxiang->setFocus();
    std::array<int, ZoneCount> latencies{};
    for (int i = 0; i < ZoneCount; ++i)
        latencies[i] = int(leadingNumber(JGn[i]->text()));
    JG->setText(verdict(latencies));
    MessageBox::show(JG->text(), MessageBox::Icon::Information, ZoneTexts::DoneTitle);
}

void XQzs::stopMeasuring()
{
    for (QTimer *t : zoneTimers)
        t->stop();
    m_pinger.cancel();
}

// The system does not let the program send echo requests: calling every zone
// blocked would report a failure as a result. Back to idle, and say why.
void XQzs::refused(const QString &reason)
{
    stopMeasuring();
    const QString location = IPDZ1->text(), address = IPDZ2->text();
    showDesignTexts();
    IPDZ1->setText(location);
    IPDZ2->setText(address);
    MessageBox::show(reason, MessageBox::Icon::Warning);
}

void XQzs::showNotices(const QList<mPing::Notice> &notices)
{
    for (const mPing::Notice &notice : notices)
        MessageBox::show(notice.text,
                         notice.warning ? MessageBox::Icon::Warning : MessageBox::Icon::Information,
                         QStringLiteral("ZR角色助手"));
}

// ---- address, help, sharing ----------------------------------------------------

void XQzs::Timer5_Timer()
{
    Timer5->stop();
    lookUpPublicAddress(m_opening, [this](const PublicAddress &a) {
        IPDZ1->setText(a.location);
        IPDZ2->setText(a.address);
        Q_EMIT addressShown();
    });
}

void XQzs::cmdHelp_Click()
{
    MessageBox::show(ZoneTexts::helpText(), MessageBox::Icon::Information, ZoneTexts::HelpTitle);
}

ZoneCaptions XQzs::captions() const
{
    ZoneCaptions c;
    for (int i = 0; i < ZoneCount; ++i)
        c.rows[i] = {DQ[i]->text(), JGn[i]->text(), ZT[i]->text()};
    c.verdict = JG->text();
    c.location = IPDZ1->text();
    return c;
}

void XQzs::cmdFenxiang_Click()
{
    const ZoneCaptions c = captions();
    const VersionNumber version = programVersion();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(resultSheet(c, VersionText::plain(version),
                                   Endpoints::text(QStringLiteral("pages"), QStringLiteral("author"))));
    MessageBox::show(ZoneTexts::Copied, MessageBox::Icon::Information, ZoneTexts::CopiedTitle);
    ShareWindowOpen(postText(c, VersionText::oneDecimal(version)), ZoneTexts::ShareTitle);
}
