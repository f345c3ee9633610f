#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Every page and server address the program uses, from ZRCendpoints.ini in
// the data folder (code page 936, read only):
//
//   [pages]  announce_title, announce_notice, download, share, author,
//            user_search, topic, address_lookup
//   [zones]  zone1 … zone4: comma-separated IPv4 addresses
//
// A page is an http(s) or file URL, or a file path relative to the data
// folder. A missing file or key gives an empty URL or list.
class Endpoints {
public:
    static QString text(const QString &section, const QString &key);
    // The page under [pages] as a URL.
    static QUrl page(const QString &key);
    // The addresses of zone n (1 to 4).
    static QStringList zone(int n);

    // A page value as a URL: URLs kept, paths resolved against the folder.
    static QUrl resolve(const QString &value, const QString &baseDir);
};
