#include "ZoneAddress.h"

#include "Endpoints.h"
#include "HttpGet.h"
#include "ZoneRating.h"

#include <QPointer>
#include <QTimer>

PublicAddress unknownAddress()
{
    return {ZoneTexts::LocationUnknown, ZoneTexts::AddressUnknown};
}

PublicAddress readAddressPage(const QString &body)
{
    const QString from = QStringLiteral("来自：");
    const QString end = QStringLiteral("</center>");
    const qsizetype at = body.indexOf(from);
    const qsizetype open = body.indexOf(u'[');
    if (at < 0 || open < 0)
        return unknownAddress();
    const qsizetype locationStart = at + from.size();
    const qsizetype locationEnd = body.indexOf(end, locationStart);
    const qsizetype close = body.indexOf(u']', open + 1);
    if (locationEnd < 0 || close < 0)
        return unknownAddress();
    return {body.mid(locationStart, locationEnd - locationStart),
            u'[' + body.mid(open + 1, close - open - 1) + u']'};
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
