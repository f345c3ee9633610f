#include "ProfileDocument.h"

#include <algorithm>

using namespace ProfileText;

namespace {

bool isBlankByte(char c) { return isBlank(char16_t(uchar(c))); }

bool isBlankLine(QByteArrayView bytes)
{
    for (char c : bytes)
        if (!isBlankByte(c))
            return false;
    return true;
}

QString unquote(QStringView value)
{
    if (value.size() >= 2) {
        const QChar q = value.front();
        if ((q == u'"' || q == u'\'') && value.back() == q)
            return value.mid(1, value.size() - 2).toString();
    }
    return value.toString();
}

// A value ends at a NUL character, as in the string the profile functions
// hand out.
QStringView beforeNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

// How many lines hold a byte beyond ASCII, counting up to `enough`.
int linesBeyondAscii(QByteArrayView bytes, int enough)
{
    int lines = 0;
    bool high = false;
    for (char c : bytes) {
        if (c == '\n' || c == '\r') {
            if (high && ++lines >= enough)
                return lines;
            high = false;
        } else if (uchar(c) & 0x80) {
            high = true;
        }
    }
    return lines + (high ? 1 : 0);
}

} // namespace

ProfileDocument ProfileDocument::parse(const QByteArray &bytes)
{
    ProfileDocument doc;
    doc.m_bytes = bytes;
    qsizetype pos = 0;
    if (bytes.startsWith(Utf8Bom)) {
        doc.m_encoding = Encoding::Utf8;
        pos = Utf8Bom.size();
    }
    // Line ends are single bytes that never occur inside a character, and
    // the decoders keep them, so the decoded text splits into the same lines
    // as the bytes. A line of plain ASCII needs no decoder: a file of few
    // other lines (most large files) decodes those one by one, a file of
    // many decodes at once.
    const qsizetype n = bytes.size();
    const bool decodeAll = linesBeyondAscii(QByteArrayView(bytes).sliced(pos), 1000) >= 1000;
    const QString text = decodeAll ? decode(QByteArrayView(bytes).sliced(pos), doc.m_encoding) : QString();
    qsizetype tpos = 0;
    QString decoded;
    // One allocation for the list of a large file, not a copy of it per doubling.
    doc.m_lines.reserve(QByteArrayView(bytes).sliced(pos).count('\n') + 1);
    doc.m_text.reserve(n - pos); // no more characters than bytes

    while (pos < n) {
        Line line;
        line.start = pos;
        qsizetype e = pos;
        uchar high = 0;
        while (e < n && bytes[e] != '\r' && bytes[e] != '\n')
            high |= uchar(bytes[e++]);
        line.size = e - pos;
        if (e < n)
            line.endSize = (bytes[e] == '\r' && e + 1 < n && bytes[e + 1] == '\n') ? 2 : 1;
        QStringView lineText;
        if (decodeAll) {
            qsizetype te = tpos;
            while (te < text.size() && text[te] != u'\r' && text[te] != u'\n')
                ++te;
            lineText = QStringView(text).mid(tpos, te - tpos);
            tpos = te + line.endSize;
        } else {
            const QByteArrayView lineBytes = QByteArrayView(bytes).sliced(pos, line.size);
            decoded = high & 0x80 ? decode(lineBytes, doc.m_encoding) : QString::fromLatin1(lineBytes);
            lineText = decoded;
        }

        // Names and values go one after another into one text, not into a
        // string each.
        const auto keep = [&doc](QStringView part, qsizetype &at, qsizetype &size) {
            at = doc.m_text.size();
            size = part.size();
            doc.m_text.append(part);
        };
        const QStringView trimmed = trimBlanks(lineText);
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (trimmed.startsWith(u'[') && close > 0) {
            line.kind = Kind::Header;
            keep(trimBlanks(trimmed.mid(1, close - 1)), line.nameAt, line.nameSize);
        } else if (const qsizetype eq = lineText.indexOf(u'='); eq >= 0) {
            line.kind = Kind::Entry;
            keep(trimBlanks(lineText.left(eq)), line.nameAt, line.nameSize);
            keep(trimBlanks(beforeNul(lineText.mid(eq + 1))), line.valueAt, line.valueSize);
            // "=" is never part of a double-byte character, so the first "="
            // byte is the first "=" of the text.
            qsizetype v = bytes.indexOf('=', pos) + 1;
            while (v < e && isBlankByte(bytes[v]))
                ++v;
            line.valueStart = v;
        } else if (!trimmed.isEmpty()) {
            // A line without "=" names a key with an empty value.
            line.kind = Kind::Entry;
            keep(trimmed, line.nameAt, line.nameSize);
            line.valueStart = -1;
        }
        pos = e + line.endSize;
        const bool last = line.endSize == 0;
        doc.m_lines.append(std::move(line));
        if (last)
            break;
    }

    // The lines before the first header form a nameless section that always
    // comes first: asking for the section "" finds it, never a later "[]".
    doc.m_sections.append(Section{-1, doc.m_lines.size()});
    doc.m_firstSection.insert(QString(), 0);
    for (qsizetype i = 0; i < doc.m_lines.size(); ++i) {
        const Line &line = doc.m_lines[i];
        if (line.kind != Kind::Header)
            continue;
        doc.m_sections.last().end = i;
        doc.m_sections.append(Section{i, doc.m_lines.size()});
        const QString folded = foldName(doc.name(line));
        if (!doc.m_firstSection.contains(folded))
            doc.m_firstSection.insert(folded, doc.m_sections.size() - 1);
    }
    return doc;
}

const ProfileDocument::Section *ProfileDocument::findSection(QStringView name) const
{
    const auto it = m_firstSection.constFind(foldName(name));
    return it == m_firstSection.cend() ? nullptr : &m_sections[*it];
}

qsizetype ProfileDocument::findEntry(QStringView section, QStringView key) const
{
    const Section *s = findSection(section);
    if (!s)
        return -1;
    for (qsizetype i = s->header + 1; i < s->end; ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Entry && sameName(name(line), key))
            return i;
    }
    return -1;
}

QString ProfileDocument::value(QStringView section, QStringView key) const
{
    const qsizetype i = findEntry(trimBlanks(section), trimBlanks(key));
    if (i < 0)
        return QString();
    const QString v = cutToGbkBytes(unquote(value(m_lines[i])), MaxValueBytes);
    return v.isNull() ? QString(QLatin1StringView("")) : v; // present but empty: not null
}

QList<ProfileDocument::KeyLine> ProfileDocument::keyLines() const
{
    QList<KeyLine> keys;
    for (const Section &s : m_sections) {
        const QString section = s.header < 0 ? QString() : name(m_lines[s.header]).toString();
        for (qsizetype i = s.header + 1; i < s.end; ++i) {
            if (m_lines[i].kind != Kind::Entry)
                continue;
            const QString whole = unquote(value(m_lines[i]));
            const QString value = cutToGbkBytes(whole, MaxValueBytes);
            keys.append(KeyLine{section, name(m_lines[i]).toString(), value, i + 1, s.header + 1, value.size() < whole.size()});
        }
    }
    return keys;
}

QList<ProfileDocument::HeaderLine> ProfileDocument::headerLines() const
{
    QList<HeaderLine> headers;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Header)
            headers.append(HeaderLine{name(m_lines[i]).toString(), i + 1});
    return headers;
}

qsizetype ProfileDocument::newKeyAt(const Section &s, bool &breakFirst) const
{
    // At the end of the section, before any blank lines that part it from
    // the next one.
    breakFirst = false;
    qsizetype last = s.header;
    for (qsizetype i = s.end - 1; i > s.header; --i) {
        if (!isBlankLine(QByteArrayView(m_bytes).sliced(m_lines[i].start, m_lines[i].size))) {
            last = i;
            break;
        }
    }
    if (last < 0) // the nameless section, empty so far: the file's first line
        return m_encoding == Encoding::Utf8 && m_bytes.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    const Line &after = m_lines[last];
    breakFirst = after.endSize == 0;
    return after.start + after.size + after.endSize;
}

bool ProfileDocument::endsInsideALine() const
{
    QByteArrayView content(m_bytes);
    if (content.startsWith(Utf8Bom))
        content = content.sliced(Utf8Bom.size());
    return !content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r');
}

QByteArray ProfileDocument::withValue(const QString &section, const QString &key,
                                      const QString &value) const
{
    return withValues({{section, key, value.isNull() ? QString(QLatin1StringView("")) : value}});
}

QByteArray ProfileDocument::withValues(const QList<Edit> &edits) const
{
    struct Splice {
        qsizetype from = 0;
        qsizetype size = 0;
        QByteArray bytes;
    };
    QHash<qsizetype, Splice> byLine; // the last edit of each line present
    // Keys the file lacks, by section in the order first named, each key in
    // the order first set; the first spelling of a name stays, the last
    // value wins, and removing one added in the same batch drops it.
    struct NewKey {
        QString name;
        QString value;
    };
    struct NewSection {
        QString name;
        QList<NewKey> keys;
    };
    QList<NewSection> added;
    QHash<QString, qsizetype> addedAt; // folded section name -> index in added
    for (const Edit &e : edits) {
        const QStringView sectionName = trimBlanks(e.section);
        const QStringView keyName = trimBlanks(e.key);
        const qsizetype i = findEntry(sectionName, keyName);
        if (i >= 0) {
            const Line &line = m_lines[i];
            if (e.value.isNull())
                byLine.insert(i, {line.start, line.size + line.endSize, {}});
            else if (line.valueStart < 0)
                byLine.insert(i, {line.start + line.size, 0, '=' + encode(e.value, m_encoding)});
            else
                byLine.insert(i, {line.valueStart, line.start + line.size - line.valueStart, encode(e.value, m_encoding)});
            continue;
        }
        const QString folded = foldName(sectionName);
        auto at = addedAt.constFind(folded);
        if (at == addedAt.cend()) {
            if (e.value.isNull())
                continue;
            at = addedAt.insert(folded, added.size());
            added.append({sectionName.toString(), {}});
        }
        QList<NewKey> &keys = added[*at].keys;
        const auto same = std::find_if(keys.begin(), keys.end(), [&](const NewKey &k) { return sameName(k.name, keyName); });
        if (e.value.isNull()) {
            if (same != keys.end())
                keys.erase(same);
        } else if (same != keys.end()) {
            same->value = e.value;
        } else {
            keys.append({keyName.toString(), e.value});
        }
    }

    // Every change as a splice of the bytes: new keys at the end of their
    // section, new sections at the end of the file.
    QList<Splice> splices;
    splices.reserve(byLine.size() + added.size());
    for (auto it = byLine.cbegin(); it != byLine.cend(); ++it)
        splices.append(*it);
    const auto entries = [this](const QList<NewKey> &keys) {
        QByteArray bytes;
        for (const NewKey &k : keys)
            bytes += encode(k.name, m_encoding) + '=' + encode(k.value, m_encoding) + lineEnd();
        return bytes;
    };
    QByteArray newSections;
    bool endBroken = false; // a new key went after a last line without a line end
    for (const NewSection &n : std::as_const(added)) {
        if (n.keys.isEmpty())
            continue;
        if (const Section *s = findSection(n.name)) {
            bool breakFirst = false;
            const qsizetype at = newKeyAt(*s, breakFirst);
            splices.append({at, 0, (breakFirst ? lineEnd() : QByteArray()) + entries(n.keys)});
            endBroken = endBroken || breakFirst;
        } else {
            newSections += '[' + encode(n.name, m_encoding) + ']' + lineEnd() + entries(n.keys);
        }
    }
    if (!newSections.isEmpty())
        splices.append({m_bytes.size(), 0, (endsInsideALine() && !endBroken ? lineEnd() : QByteArray()) + newSections});
    if (splices.isEmpty())
        return m_bytes;
    // In file order; where a change of a line and an insertion meet, the
    // line's own change comes first.
    std::stable_sort(splices.begin(), splices.end(), [](const Splice &a, const Splice &b) { return a.from < b.from; });
    QByteArray out;
    qsizetype grow = 0;
    for (const Splice &s : std::as_const(splices))
        grow += s.bytes.size();
    out.reserve(m_bytes.size() + grow);
    qsizetype at = 0;
    for (const Splice &s : std::as_const(splices)) {
        out.append(QByteArrayView(m_bytes).sliced(at, s.from - at)).append(s.bytes);
        at = s.from + s.size;
    }
    return out.append(QByteArrayView(m_bytes).sliced(at));
}

QByteArray ProfileDocument::withoutKey(QStringView section, QStringView key) const
{
    const qsizetype i = findEntry(trimBlanks(section), trimBlanks(key));
    if (i < 0)
        return m_bytes;
    const Line &line = m_lines[i];
    QByteArray out = m_bytes;
    return out.remove(line.start, line.size + line.endSize);
}
