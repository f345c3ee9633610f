#pragma once

#include "WebViewPlugin.h"

#include <QObject>

// The plugin's entry: makes web views backed by the web engine.
class WebEnginePlugin : public QObject, public WebViewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebViewFactory_iid)
    Q_INTERFACES(WebViewFactory)
public:
    std::unique_ptr<WebView> create(QWidget *parent) override;
};
