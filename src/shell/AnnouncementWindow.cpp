#include "AnnouncementWindow.h"

#include "ButtonFrame.h"
#include "ClickLabel.h"
#include "Endpoints.h"
#include "SurfaceDrag.h"
#include "Units.h"
#include "WebView.h"
#include "WindowList.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {

// Layout in twips: the caption above two pages side by side, the close
// button below them on the right.
constexpr int WindowWidth = 9900;
constexpr int WindowHeight = 6960;
constexpr int ViewTop = 480;
constexpr int ViewWidth = 4740;
constexpr int ViewHeight = 5700;
constexpr int FirstViewLeft = 120;
constexpr int SecondViewLeft = 5040;
constexpr int ButtonLeft = 8520;
constexpr int ButtonTop = 6330;
constexpr int ButtonWidth = 1140;
constexpr int ButtonHeight = 390;
constexpr int LineGap = 45;  // between the button and its frame lines

} // namespace

AnnouncementWindow::AnnouncementWindow(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("JQgg"));
    setWindowTitle(QStringLiteral("Hoopra公告 - ZR角色助手"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(113, 197, 242));
    setPalette(background);
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));

    Caption = new QLabel(QStringLiteral("Hoopra官方动态 - ZR角色助手"), this);
    Caption->setObjectName(QStringLiteral("Caption"));
    Caption->setGeometry(twipsRect(FirstViewLeft, 90, 6000, 330));
    QFont captionFont = Caption->font();
    captionFont.setBold(true);
    Caption->setFont(captionFont);
    QPalette captionColours = Caption->palette();
    captionColours.setColor(QPalette::WindowText, fromBgr(0xFFFFFF));
    Caption->setPalette(captionColours);

    new SurfaceDrag(this);

    Queding = new ClickLabel(QStringLiteral("关 闭"), this);
    Queding->setObjectName(QStringLiteral("Queding"));
    Queding->setAlignment(Qt::AlignCenter);
    Queding->setGeometry(twipsRect(ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight));
    connect(Queding, &ClickLabel::hovered, this, [this] { showLines(true); });
    connect(Queding, &ClickLabel::focusLeft, this, [this] { showLines(false); });
    connect(Queding, &ClickLabel::clicked, this, &AnnouncementWindow::Queding_Click);

    const ButtonFrame lines = makeButtonFrame(
        this, QRect(ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight), LineGap, 0xFFFFFF);
    Line1 = lines[0];
    Line2 = lines[1];
    Line3 = lines[2];
    Line4 = lines[3];
}

AnnouncementWindow::~AnnouncementWindow()
{
    disconnectLabelsFrom(this);
}

void AnnouncementWindow::setPages(const QUrl &titlePage, const QUrl &noticePage)
{
    m_titlePage = titlePage;
    m_noticePage = noticePage;
    m_pagesSet = true;
}

void AnnouncementWindow::defaultPages()
{
    setPages(Endpoints::page(QStringLiteral("announce_title")),
             Endpoints::page(QStringLiteral("announce_notice")));
}

void AnnouncementWindow::Form_Load()
{
    if (!m_titleView) {
        // First opening: centred on the screen the main window is on.
        if (QScreen *where = m_mainWindow ? m_mainWindow->screen() : screen())
            move(where->availableGeometry().center() - rect().center());
    }
    if (m_mainWindow)
        m_mainWindow->showMinimized();
    if (!m_titleView) {
        m_titleView = createWebView(this);
        m_noticeView = createWebView(this);
        m_titleView->widget()->setObjectName(QStringLiteral("TitlePage"));
        m_noticeView->widget()->setObjectName(QStringLiteral("NoticePage"));
        m_titleView->widget()->setAccessibleName(QStringLiteral("公告标题"));
        m_noticeView->widget()->setAccessibleName(QStringLiteral("公告内容"));
        m_titleView->widget()->setGeometry(twipsRect(FirstViewLeft, ViewTop, ViewWidth, ViewHeight));
        m_noticeView->widget()->move(twipsToPixels(SecondViewLeft), twipsToPixels(ViewTop));
    }
    m_titleView->setSilent(true);
    m_noticeView->setSilent(true);
    m_noticeView->widget()->resize(m_titleView->widget()->size());
    m_titleView->widget()->show();
    m_noticeView->widget()->show();
    if (!m_pagesSet)
        defaultPages();
    m_titleView->load(m_titlePage);
    m_noticeView->load(m_noticePage);
}

void AnnouncementWindow::Queding_Click()
{
    close();
    if (m_mainWindow)
        m_mainWindow->showNormal();
}

void AnnouncementWindow::showLines(bool shown)
{
    showButtonFrame({Line1, Line2, Line3, Line4}, shown);
}

void AnnouncementWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        WindowList::opened(this);
        Form_Load();
    }
}

void AnnouncementWindow::mouseMoveEvent(QMouseEvent *event)
{
    QPalette captionColours = Caption->palette();
    captionColours.setColor(QPalette::WindowText, fromBgr(0xC0C0FF));
    Caption->setPalette(captionColours);
    showLines(false);
    event->accept();
}

