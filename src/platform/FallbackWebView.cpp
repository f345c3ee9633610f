#include "FallbackWebView.h"

#include "CodePage936.h"
#include "OpenPage.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>

#include <algorithm>

namespace {

// Whether the head of a page names a Chinese code page Qt may have no
// decoder for (none without ICU): GB2312 and GBK are read as code page 936,
// which holds both.
bool namesGbk(const QByteArray &page)
{
    static const QByteArrayView Names[] = {"charset=gbk", "charset=gb2312", "charset=\"gbk", "charset=\"gb2312",
                                           "charset='gbk", "charset='gb2312",
                                           "charset=cp936", "charset=gb18030", "charset=\"gb18030", "charset='gb18030"};
    const QByteArray head = page.left(1024).toLower().replace(' ', QByteArray());
    return std::any_of(std::begin(Names), std::end(Names), [&head](QByteArrayView n) { return head.contains(n); });
}

} // namespace

FallbackWebView::FallbackWebView(QWidget *parent) : m_browser(new QTextBrowser(parent))
{
    m_browser->setFrameShape(QFrame::NoFrame);
    // Links open in the player's browser; following them here would lose the page.
    m_browser->setOpenLinks(false);
    QObject::connect(m_browser, &QTextBrowser::anchorClicked, m_browser, [this](const QUrl &link) {
        if (link.scheme() == QLatin1String("javascript")) {
            if (link.path().simplified().remove(u' ') == QLatin1String("window.close()") && m_closeRequested)
                m_closeRequested();
            return; // other scripts do nothing here
        }
        openPage(link);
    });
}

FallbackWebView::~FallbackWebView() { delete m_browser; }

QWidget *FallbackWebView::widget() { return m_browser; }

void FallbackWebView::load(const QUrl &url)
{
    m_url = url;
    bool ok = false;
    if (url.isLocalFile()) {
        QFile file(url.toLocalFile());
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray data = file.readAll();
            // The page names its own encoding (GBK pages do); UTF-8 otherwise.
            QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
            const QString html = decoder.isValid()   ? QString(decoder(data))
                                 : namesGbk(data) ? CodePage936::decode(data)
                                                  : QString::fromUtf8(data);
            m_browser->document()->setBaseUrl(url);
            m_browser->setHtml(html);
            ok = true;
        } else {
            m_browser->setPlainText(QStringLiteral("无法打开页面：") + url.toLocalFile());
        }
    } else {
        const QString address = url.toString().toHtmlEscaped();
        m_browser->setHtml(QStringLiteral("<p><a href=\"") + address + QStringLiteral("\">")
                           + address + QStringLiteral("</a></p>"));
        ok = url.isValid();
    }
    if (m_loaded)
        m_loaded(ok);
}

void FallbackWebView::requestPlainText(std::function<void(const QString &)> handler)
{
    if (handler)
        handler(m_browser->toPlainText());
}
