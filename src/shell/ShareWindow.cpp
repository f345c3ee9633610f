#include "ShareWindow.h"

#include "ClickLabel.h"
#include "Endpoints.h"
#include "OpenPage.h"
#include "ShareWindowOpen.h"
#include "SurfaceDrag.h"
#include "Units.h"
#include "WebView.h"
#include "WindowList.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QApplication>
#include <QUrlQuery>
#include <array>

namespace {

// Layout in twips: the page fills the window above a strip with the four
// links on the left and the close button on the right.
constexpr int WindowWidth = 9300;
constexpr int WindowHeight = 7440;
constexpr int ViewLeft = 120;
constexpr int ViewTop = 120;
constexpr int ViewWidth = 9060;
constexpr int ViewHeight = 6600;
constexpr int LinkTop = 6870;
constexpr int LinkWidth = 1560;
constexpr int LinkHeight = 300;
constexpr int ButtonLeft = 7920;
constexpr int ButtonTop = 6810;
constexpr int ButtonWidth = 1140;
constexpr int ButtonHeight = 390;
constexpr int LineGap = 45;

QUrl topicPage(const QString &topic)
{
    QUrl url = Endpoints::page(QStringLiteral("topic"));
    if (url.isEmpty())
        return url;
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("topic"), topic);
    url.setQuery(query);
    return url;
}

// The four links: name, caption, left edge in twips, handler.
struct ShareLink {
    QStringView name;
    QStringView caption;
    int left;
    void (ShareWindow::*click)();
};
const std::array<ShareLink, 4> Links{{
    {u"QLNDWB", u"Quillon的微博", 120,  &ShareWindow::QLNDWB_Click},
    {u"HPRAWJ", u"寻找街球玩家",   1740, &ShareWindow::HPRAWJ_Click},
    {u"JSZSHT", u"看大家的分享",   3360, &ShareWindow::JSZSHT_Click},
    {u"HPRAHT", u"Hoopra话题",    4980, &ShareWindow::HPRAHT_Click},
}};

// Underlined blue under the pointer; on the surface plain again, white but
// for the red JSZSHT. Pressing changes nothing.
constexpr LinkLook Over{0xFF0000, {}, {}, {}, true};
const std::array<LinkLookRow, 4> Looks{{
    {u"QLNDWB", Over, {}, {}, {0xFFFFFF, {}, {}, {}, false}},
    {u"HPRAWJ", Over, {}, {}, {0xFFFFFF, {}, {}, {}, false}},
    {u"JSZSHT", Over, {}, {}, {0x0000FF, {}, {}, {}, false}},
    {u"HPRAHT", Over, {}, {}, {0xFFFFFF, {}, {}, {}, false}},
}};

QPointer<ShareWindow> &theWindow()
{
    static QPointer<ShareWindow> window;
    return window;
}

} // namespace

ShareWindow::ShareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("WbFx"));
    setWindowTitle(QStringLiteral("发送微博 - ZR角色助手"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(113, 197, 242));
    setPalette(background);
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));
    new SurfaceDrag(this);

    m_view = createWebView(this);
    m_view->widget()->setObjectName(QStringLiteral("WB"));
    m_view->widget()->setAccessibleName(QStringLiteral("分享页面"));
    m_view->widget()->setGeometry(twipsRect(ViewLeft, ViewTop, ViewWidth, ViewHeight));
    // A reused view keeps its history; cleared, the page may close its window.
    m_view->onLoadFinished([this](bool) { m_view->clearHistory(); });
    m_view->onCloseRequested([this] { WB_WindowClosing(); });

    ClickLabel **members[] = {&QLNDWB, &HPRAWJ, &JSZSHT, &HPRAHT};
    for (std::size_t i = 0; i < Links.size(); ++i) {
        const ShareLink &link = Links[i];
        auto *label = new ClickLabel(link.caption.toString(), this);
        label->setObjectName(link.name.toString());
        label->setGeometry(twipsRect(link.left, LinkTop, LinkWidth, LinkHeight));
        wireLook(label, Looks[i]);
        connect(label, &ClickLabel::clicked, this, link.click);
        *members[i] = label;
    }

    Queding = new ClickLabel(QStringLiteral("关 闭"), this);
    Queding->setObjectName(QStringLiteral("Queding"));
    Queding->setAlignment(Qt::AlignCenter);
    Queding->setGeometry(twipsRect(ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight));
    setLinkColour(Queding, fromBgr(0xFFFFFF));
    QuedingLines = makeButtonFrame(this, QRect(ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight),
                                   LineGap, 0xFFFFFF);
    connect(Queding, &ClickLabel::hovered, this, [this] { showButtonFrame(QuedingLines, true); });
    connect(Queding, &ClickLabel::focusLeft, this, [this] { showButtonFrame(QuedingLines, false); });
    connect(Queding, &ClickLabel::clicked, this, &ShareWindow::Queding_Click);
}

ShareWindow::~ShareWindow()
{
    disconnectLabelsFrom(this);
}

ShareWindow *ShareWindow::existing() { return theWindow(); }

void ShareWindow::open(const QString &postText, const QString &title)
{
    QPointer<ShareWindow> &window = theWindow();
    if (!window) {
        window = new ShareWindow;
        // Gone with the program, before the application object.
        connect(qApp, &QCoreApplication::aboutToQuit, window.data(), &QObject::deleteLater);
    }
    // Beside the window the share was asked from.
    const QWidget *from = QApplication::activeWindow();
    WindowList::showFromLink(window, from != window ? from : nullptr);
    window->load(postText);
    window->setWindowTitle(title);
}

void ShareWindow::load(const QString &postText)
{
    const QUrl base = Endpoints::page(QStringLiteral("share"));
    m_view->load(base.isEmpty() ? QUrl(QStringLiteral("about:blank")) : shareAddress(base, postText));
}

void ShareWindow::Queding_Click() { close(); }

void ShareWindow::QLNDWB_Click() { openPage(Endpoints::page(QStringLiteral("author"))); }
void ShareWindow::HPRAWJ_Click() { openPage(Endpoints::page(QStringLiteral("user_search"))); }
void ShareWindow::JSZSHT_Click() { openPage(topicPage(QStringLiteral("ZR角色助手"))); }
void ShareWindow::HPRAHT_Click() { openPage(topicPage(QStringLiteral("Hoopra"))); }

void ShareWindow::WB_WindowClosing() { close(); }

void ShareWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    WindowList::opened(this);
}

void ShareWindow::mouseMoveEvent(QMouseEvent *event)
{
    showButtonFrame(QuedingLines, false);
    resetLooks(this, Looks);
    event->accept();
}
