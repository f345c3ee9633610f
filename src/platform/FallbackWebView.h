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
    // No script runs here; a link to "javascript:window.close()" is the
    // page asking to close its window.
    void onCloseRequested(std::function<void()> handler) override { m_closeRequested = std::move(handler); }
    void clearHistory() override {} // it keeps none
    void requestPlainText(std::function<void(const QString &)> handler) override;

private:
    QPointer<QTextBrowser> m_browser;
    QUrl m_url;
    std::function<void(bool)> m_loaded;
    std::function<void()> m_closeRequested;
};
