#include "WebEnginePlugin.h"

#include <QPointer>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// A page that, when silent, raises no dialog for its scripts and keeps their
// console output to itself.
class SilentPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    bool silent = false;

protected:
    void javaScriptAlert(const QUrl &origin, const QString &msg) override
    {
        if (!silent)
            QWebEnginePage::javaScriptAlert(origin, msg);
    }
    bool javaScriptConfirm(const QUrl &origin, const QString &msg) override
    {
        return silent ? false : QWebEnginePage::javaScriptConfirm(origin, msg);
    }
    bool javaScriptPrompt(const QUrl &origin, const QString &msg, const QString &defaultValue,
                          QString *result) override
    {
        return silent ? false : QWebEnginePage::javaScriptPrompt(origin, msg, defaultValue, result);
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override
    {
        if (!silent)
            QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
    }
};

class EngineWebView : public WebView {
public:
    explicit EngineWebView(QWidget *parent) : m_view(new QWebEngineView(parent))
    {
        m_page = new SilentPage(m_view);
        m_view->setPage(m_page);
        QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            if (m_loaded)
                m_loaded(ok);
        });
        QObject::connect(m_page, &QWebEnginePage::windowCloseRequested, m_view, [this] {
            if (m_closeRequested)
                m_closeRequested();
        });
    }
    ~EngineWebView() override { delete m_view; }

    QWidget *widget() override { return m_view; }
    void load(const QUrl &url) override
    {
        if (m_view)
            m_view->load(url);
    }
    void setSilent(bool silent) override
    {
        if (m_view)
            m_page->silent = silent;
    }
    QUrl url() const override { return m_view ? m_view->url() : QUrl(); }
    void onLoadFinished(std::function<void(bool)> handler) override { m_loaded = std::move(handler); }
    void onCloseRequested(std::function<void()> handler) override
    {
        m_closeRequested = std::move(handler);
    }
    void clearHistory() override
    {
        if (m_view)
            m_view->history()->clear();
    }
    void requestPlainText(std::function<void(const QString &)> handler) override
    {
        if (m_view && handler)
            m_page->toPlainText(std::move(handler));
    }

private:
    QPointer<QWebEngineView> m_view;
    SilentPage *m_page;
    std::function<void(bool)> m_loaded;
    std::function<void()> m_closeRequested;
};

} // namespace

std::unique_ptr<WebView> WebEnginePlugin::create(QWidget *parent)
{
    return std::make_unique<EngineWebView>(parent);
}
