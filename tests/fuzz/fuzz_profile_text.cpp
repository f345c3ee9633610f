// The text of profile files: decoding any bytes as GBK and as UTF-8, and
// the cut to 143 bytes of GBK.
#include "FuzzCheck.h"
#include "ProfileText.h"

using namespace ProfileText;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (Encoding e : {Encoding::Gbk, Encoding::Utf8}) {
        const QString text = decode(bytes, e);
        // Line ends are never part of a character: decoding keeps every one.
        FUZZ_CHECK(text.count(u'\n') == bytes.count('\n'), "a line end was lost or made up");
        FUZZ_CHECK(text.count(u'\r') == bytes.count('\r'), "a CR was lost or made up");
        const QByteArray again = encode(text, e);
        FUZZ_CHECK(decode(again, e) == decode(encode(decode(again, e), e), e), "encoding does not settle");

        for (int max : {0, 1, 2, 142, 143}) {
            const QString cut = cutToGbkBytes(text, max);
            FUZZ_CHECK(text.startsWith(cut), "the cut is not a head of the text");
            FUZZ_CHECK(encode(cut, Encoding::Gbk).size() <= max, "the cut is longer than allowed");
            FUZZ_CHECK(cut.isEmpty() || !cut.back().isHighSurrogate(), "the cut split a surrogate pair");
            if (cut.size() < text.size()) {
                // Maximal: the next whole character would not fit.
                const qsizetype w = (text[cut.size()].isHighSurrogate() && cut.size() + 1 < text.size()
                                     && text[cut.size() + 1].isLowSurrogate()) ? 2 : 1;
                FUZZ_CHECK(encode(QStringView(text).first(cut.size() + w), Encoding::Gbk).size() > max,
                           "the cut left out a character that fits");
            }
        }
        const QStringView trimmed = trimBlanks(text);
        FUZZ_CHECK(trimmed.isEmpty() || (!isBlank(trimmed.front().unicode()) && !isBlank(trimmed.back().unicode())),
                   "blanks left at an end");
        FUZZ_CHECK(sameName(text, foldName(text)), "a name differs from its folded form");
    }
    return 0;
}
