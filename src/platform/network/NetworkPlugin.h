#pragma once

#include "HttpTransport.h"

#include <QObject>

// The plugin's entry: makes the transport backed by QNetworkAccessManager.
class NetworkPlugin : public QObject, public HttpTransportFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HttpTransportFactory_iid)
    Q_INTERFACES(HttpTransportFactory)
public:
    std::unique_ptr<HttpTransport> create() override;
};
