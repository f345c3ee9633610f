#include "WebView.h"

#include "FallbackWebView.h"
#include "PluginPath.h"
#include "WebViewPlugin.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace {

bool forcedOff() { return qEnvironmentVariableIntValue("ZRC_NO_WEBENGINE") == 1; }

// Loaded once, on first use: the web engine costs start-up time the program
// must not pay before a page is wanted.
WebViewFactory *factory()
{
    static bool tried = false;
    static WebViewFactory *loaded = nullptr;
    if (!tried) {
        tried = true;
        ensureSharedWebContext();
        QPluginLoader loader(webViewPluginPath());
        if (QObject *instance = loader.instance())
            loaded = qobject_cast<WebViewFactory *>(instance);
        if (!loaded)
            qInfo("Embedded web pages unavailable (%s): showing plain pages",
                  qPrintable(loader.errorString()));
    }
    return loaded;
}

} // namespace

QString webViewPluginPath(const QString &programDir)
{
    return programPluginPath(QStringLiteral("zrc-webview"), programDir);
}

QString webViewPluginPath() { return webViewPluginPath(QCoreApplication::applicationDirPath()); }

bool webEngineAvailable() { return !forcedOff() && factory(); }

std::unique_ptr<WebView> createWebView(QWidget *parent)
{
    if (!forcedOff()) {
        if (WebViewFactory *f = factory()) {
            if (auto view = f->create(parent))
                return view;
        }
    }
    return std::make_unique<FallbackWebView>(parent);
}
