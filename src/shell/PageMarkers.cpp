#include "PageMarkers.h"

#include "Numbers.h"

namespace PageMarkers {

namespace {

enum class Close { Optional, Required };

// The text after the first `open`, up to the first `close` after it;
// nullopt when `open` is missing. Without a `close` the text runs to the end
// when the close is optional, and there is none when it is required.
std::optional<QStringView> between(QStringView text, QStringView open, QStringView close, Close rule)
{
    const qsizetype start = text.indexOf(open);
    if (start < 0)
        return std::nullopt;
    const QStringView rest = text.sliced(start + open.size());
    const qsizetype end = rest.indexOf(close);
    if (end >= 0)
        return rest.first(end);
    if (rule == Close::Required)
        return std::nullopt;
    return rest;
}

} // namespace

std::optional<double> publishedVersion(const QString &page)
{
    const auto title = between(page, TitlePrefix, TitleSuffix, Close::Optional);
    if (!title)
        return std::nullopt;
    return leadingNumber(*title);
}

std::optional<Whereabouts> whereabouts(const QString &page)
{
    const auto location = between(page, LocationMarker, LocationEnd, Close::Required);
    const auto address = between(page, u"[", u"]", Close::Required);
    if (!location || !address)
        return std::nullopt;
    return Whereabouts{location->toString(), address->toString()};
}

} // namespace PageMarkers
