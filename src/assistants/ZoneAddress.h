#pragma once

#include <QObject>
#include <QString>
#include <functional>

// Where the player's connection comes from, as the address-lookup page
// tells it: the location after "来自：" up to "</center>", the address
// between the first "[" and the "]" after it.
struct PublicAddress {
    QString location; // caption of IPDZ1
    QString address;  // caption of IPDZ2, in square brackets
};

// The captions for a page body; "未知网络" and "[未知IP]" when a marker is missing.
PublicAddress readAddressPage(const QString &body);
// The captions when the lookup failed.
PublicAddress unknownAddress();

// Fetches the address-lookup page of the endpoints file through the HTTP
// client and calls `done` once, later, with the captions (the unknown ones on
// any failure), unless `receiver` is destroyed first.
void lookUpPublicAddress(QObject *receiver, std::function<void(const PublicAddress &)> done);
