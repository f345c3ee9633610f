#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

// An embedded web page. The program itself never links the web engine: the
// real view lives in the plugin zrc-webview (see webViewPluginPath()), loaded on the
// first createWebView(); without it a plain fallback view is used.
class WebView {
public:
    virtual ~WebView() = default;

    // The widget to place in a window (owned by the parent given at creation).
    virtual QWidget *widget() = 0;
    virtual void load(const QUrl &url) = 0;
    // Silent: scripts of the page never raise dialogs.
    virtual void setSilent(bool silent) = 0;
    // The address last loaded.
    virtual QUrl url() const = 0;

    // Called when a load ends (true when the page arrived). The fallback view
    // calls it before load() returns.
    virtual void onLoadFinished(std::function<void(bool ok)> handler) = 0;
    // Called when the page asks to close its window. The engine lets a page
    // close its window only while the view's history holds one entry, so a
    // view that is reused and must obey clears its history after each load.
    virtual void onCloseRequested(std::function<void()> handler) = 0;
    // Forgets every page but the current one.
    virtual void clearHistory() = 0;
    // Delivers the page's text (asynchronously with the real engine).
    virtual void requestPlainText(std::function<void(const QString &)> handler) = 0;
};

// Makes the OpenGL context the web engine shares, once; createWebView() calls
// it before the plugin loads, so a start that shows no page doesn't pay for it.
void ensureSharedWebContext();

// Makes a view inside parent. ZRC_NO_WEBENGINE=1 forces the fallback view.
std::unique_ptr<WebView> createWebView(QWidget *parent);

// Whether createWebView() makes real web views (loads the plugin if needed).
bool webEngineAvailable();

// The plugin's file name without suffix: in the program's folder, or in
// ../lib/zrc beside it when only that one exists (an installed package).
QString webViewPluginPath();
QString webViewPluginPath(const QString &programDir);
