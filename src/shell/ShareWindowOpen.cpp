#include "ShareWindowOpen.h"

#include "Endpoints.h"
#include "ShareWindow.h"

namespace {

ShareHandler &handler()
{
    static ShareHandler h;
    return h;
}

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Escapes only what would change the meaning of the query: "+" (a blank to
// the page), "&" (a new field), "#" (the end of the address) and a "%" that
// starts no escape. Escapes already in the text ("%23") stay.
QString queryValue(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'%') {
            const bool escape = i + 2 < text.size() && isHex(text.at(i + 1)) && isHex(text.at(i + 2));
            out += escape ? QStringLiteral("%") : QStringLiteral("%25");
        } else if (c == u'+') {
            out += QStringLiteral("%2B");
        } else if (c == u'&') {
            out += QStringLiteral("%26");
        } else if (c == u'#') {
            out += QStringLiteral("%23");
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QUrl shareAddress(const QUrl &shareBase, const QString &postText)
{
    const QString query = QStringLiteral("?c=share&a=index&title=") + queryValue(postText);
    QString base = shareBase.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString(QUrl::FullyEncoded);
    if (shareBase.isLocalFile())
        return QUrl(base + query, QUrl::TolerantMode);
    if (!base.endsWith(u'/'))
        base += u'/';
    return QUrl(base + QStringLiteral("index.php") + query, QUrl::TolerantMode);
}

QUrl shareAddress(const QString &postText)
{
    return shareAddress(Endpoints::page(QStringLiteral("share")), postText);
}

void setShareWindowOpen(ShareHandler h) { handler() = std::move(h); }

void ShareWindowOpen(const QString &postText, const QString &title)
{
    if (handler()) {
        handler()(postText, title);
        return;
    }
    ShareWindow::open(postText, title);
}
