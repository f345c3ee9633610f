#pragma once

#include "WebView.h"

#include <QtPlugin>

// The interface of the zrc-webview plugin: a factory of real web views.
class WebViewFactory {
public:
    virtual ~WebViewFactory() = default;
    virtual std::unique_ptr<WebView> create(QWidget *parent) = 0;
};

#define WebViewFactory_iid "zrc.WebViewFactory/1.0"
Q_DECLARE_INTERFACE(WebViewFactory, WebViewFactory_iid)
