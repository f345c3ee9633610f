#include "PageMarkers.h"

#include "Numbers.h"

namespace PageMarkers {

namespace {

// The text after the first `open`, up to the first `close` after it (or to
// the end when there is none); nullopt when `open` is missing.
std::optional<QStringView> between(QStringView text, QStringView open, QStringView close)
{
    const qsizetype start = text.indexOf(open);
    if (start < 0)
        return std::nullopt;
    const QStringView rest = text.sliced(start + open.size());
    const qsizetype end = rest.indexOf(close);
    return end < 0 ? rest : rest.first(end);
}

} // namespace

std::optional<double> publishedVersion(const QString &page)
{
    const auto title = between(page, TitlePrefix, TitleSuffix);
    if (!title)
        return std::nullopt;
    return leadingNumber(*title);
}

std::optional<Whereabouts> whereabouts(const QString &page)
{
    const auto location = between(page, LocationMarker, LocationEnd);
    const auto address = between(page, u"[", u"]");
    if (!location || !address)
        return std::nullopt;
    return Whereabouts{location->toString(), address->toString()};
}

} // namespace PageMarkers
