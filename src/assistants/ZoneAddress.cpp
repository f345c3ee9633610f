#include "ZoneAddress.h"

#include "Endpoints.h"
#include "HttpGet.h"
#include "PageMarkers.h"
#include "ZoneRating.h"

#include <QPointer>
#include <QTimer>

PublicAddress unknownAddress()
{
    return {ZoneTexts::LocationUnknown, ZoneTexts::AddressUnknown};
}

PublicAddress readAddressPage(const QString &body)
{
    const auto found = PageMarkers::whereabouts(body);
    if (!found)
        return unknownAddress();
    return {found->location, u'[' + found->address + u']'};
}

void lookUpPublicAddress(QObject *receiver, std::function<void(const PublicAddress &)> done)
{
    const QUrl page = Endpoints::page(QStringLiteral("address_lookup"));
    if (!page.isValid() || page.isEmpty()) {
        // Still later, as an answer from the network would come.
        QTimer::singleShot(0, receiver, [done] { done(unknownAddress()); });
        return;
    }
    HttpClient::instance().get(page, receiver, [done](const HttpAnswer &answer) {
        done(answer.ok ? readAddressPage(answer.body) : unknownAddress());
    });
}
