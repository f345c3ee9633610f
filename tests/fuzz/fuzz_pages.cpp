// The two downloaded pages: the version in the download page's title and
// the location and address on the address-lookup page, from any text.
#include "FuzzCheck.h"
#include "PageMarkers.h"

#include <QStringDecoder>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringDecoder gbk("GBK");
    // Both pages arrive in code page 936; the same text also with a title
    // around it, so the prefix is found often.
    const QString text = gbk.isValid() ? QString(gbk.decode(bytes)) : QString::fromUtf8(bytes);
    const QString wrapped = PageMarkers::TitlePrefix + text + PageMarkers::TitleSuffix;
    const QString located = PageMarkers::LocationMarker + text;
    for (const QString *page : {&text, &wrapped, &located}) {
        if (const auto v = PageMarkers::publishedVersion(*page))
            FUZZ_CHECK(!std::isnan(*v), "a version that is not a number");
        else
            FUZZ_CHECK(!page->contains(PageMarkers::TitlePrefix), "the prefix was there but not found");
        if (const auto w = PageMarkers::whereabouts(*page)) {
            FUZZ_CHECK(!w->location.contains(PageMarkers::LocationEnd), "the location runs past its end");
            FUZZ_CHECK(!w->address.contains(u']'), "the address runs past its bracket");
            FUZZ_CHECK(page->contains(u'[' + w->address), "an address the page does not hold");
            FUZZ_CHECK(page->contains(PageMarkers::LocationMarker + w->location), "a location the page does not hold");
        } else {
            const qsizetype from = page->indexOf(PageMarkers::LocationMarker), open = page->indexOf(u'[');
            FUZZ_CHECK(from < 0 || open < 0 || page->indexOf(PageMarkers::LocationEnd, from + 1) < 0
                           || page->indexOf(u']', open) < 0,
                       "all four markers were there but nothing was found");
        }
    }
    return 0;
}
