#pragma once

#include "WebView.h"

#include <QPointer>

class QTextBrowser;

// The view used without the web engine: a local page's HTML shown as rich
// text, a remote page as a link the player can follow in the browser.
class FallbackWebView : public WebView {
public:
    explicit FallbackWebView(QWidget *parent);
    ~FallbackWebView() override;

    QWidget *widget() override;
    void load(const QUrl &url) override;
    void setSilent(bool) override {}  // it runs no scripts
    QUrl url() const override { return m_url; }
    void onLoadFinished(std::function<void(bool)> handler) override { m_loaded = std::move(handler); }
    void onCloseRequested(std::function<void()>) override {}  // no script can ask
    void requestPlainText(std::function<void(const QString &)> handler) override;

private:
    QPointer<QTextBrowser> m_browser;
    QUrl m_url;
    std::function<void(bool)> m_loaded;
};
