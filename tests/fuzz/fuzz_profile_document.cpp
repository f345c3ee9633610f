// A profile document from any bytes, then a set or a delete: a set followed
// by a read returns the value, and every other key reads as before.
#include "FuzzCheck.h"
#include "ProfileDocument.h"
#include "ProfileFile.h"

using namespace ProfileText;

namespace {

// What every key of the document reads as, by its first occurrence.
QHash<QString, QString> readings(const ProfileDocument &doc)
{
    QHash<QString, QString> r;
    for (const auto &k : doc.keyLines()) {
        const QString id = foldName(k.section) + u'\x1f' + foldName(k.key);
        if (!r.contains(id))
            r.insert(id, doc.value(k.section, k.key));
    }
    return r;
}

// A value that reads back exactly as written.
bool plainValue(const QString &v, Encoding e)
{
    if (v.contains(u'\0') || v.contains(u'\r') || v.contains(u'\n') || trimBlanks(v).size() != v.size())
        return false;
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return false;
    return decode(encode(v, e), e) == v && encode(v, Encoding::Gbk).size() <= ProfileDocument::MaxValueBytes
           && cutToGbkBytes(v, ProfileDocument::MaxValueBytes) == v;
}

bool plainName(const QString &n, bool isKey, Encoding e)
{
    return ProfileFile::nameFault(n, isKey) == ProfileFile::NameFault::None && !n.contains(u'\0')
           && decode(encode(n, e), e) == n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t op = in.byte();
    const QByteArray sectionBytes = in.chunk(24);
    const QByteArray keyBytes = in.chunk(24);
    const QByteArray valueBytes = in.chunk(200);
    const ProfileDocument doc = ProfileDocument::parse(in.rest());
    const Encoding e = doc.encoding();
    const QString section = decode(sectionBytes, e);
    const QString key = decode(keyBytes, e);
    const QString value = decode(valueBytes, e);

    const auto before = readings(doc);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        FUZZ_CHECK(encode(*it, Encoding::Gbk).size() <= ProfileDocument::MaxValueBytes, "a value longer than 143 bytes");

    const bool del = op & 1;
    if (!plainName(section, false, e) || !plainName(key, true, e) || (!del && !plainValue(value, e)))
        return 0;
    const ProfileDocument after = ProfileDocument::parse(del ? doc.withoutKey(section, key)
                                                             : doc.withValue(section, key, value));
    const QString id = foldName(trimBlanks(section)) + u'\x1f' + foldName(trimBlanks(key));
    if (!del)
        FUZZ_CHECK(after.value(section, key) == value, "a set followed by a read gave another value");
    const auto now = readings(after);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() == id)
            continue;
        FUZZ_CHECK(now.value(it.key()) == *it, "a key that was not written reads differently");
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        FUZZ_CHECK(it.key() == id || before.contains(it.key()), "a write made up another key");
    return 0;
}
