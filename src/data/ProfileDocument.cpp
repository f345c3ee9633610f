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
    // as the bytes.
    const QString text = decode(QByteArrayView(bytes).sliced(pos), doc.m_encoding);
    qsizetype tpos = 0;
    const qsizetype n = bytes.size();

    while (pos < n) {
        Line line;
        line.start = pos;
        qsizetype e = pos;
        while (e < n && bytes[e] != '\r' && bytes[e] != '\n')
            ++e;
        line.size = e - pos;
        if (e < n)
            line.endSize = (bytes[e] == '\r' && e + 1 < n && bytes[e + 1] == '\n') ? 2 : 1;

        qsizetype te = tpos;
        while (te < text.size() && text[te] != u'\r' && text[te] != u'\n')
            ++te;
        const QStringView lineText = QStringView(text).mid(tpos, te - tpos);
        tpos = te + line.endSize;

        const QStringView trimmed = trimBlanks(lineText);
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (trimmed.startsWith(u'[') && close > 0) {
            line.kind = Kind::Header;
            line.name = trimBlanks(trimmed.mid(1, close - 1)).toString();
        } else if (const qsizetype eq = lineText.indexOf(u'='); eq >= 0) {
            line.kind = Kind::Entry;
            line.name = trimBlanks(lineText.left(eq)).toString();
            line.value = trimBlanks(beforeNul(lineText.mid(eq + 1))).toString();
            // "=" is never part of a double-byte character, so the first "="
            // byte is the first "=" of the text.
            qsizetype v = bytes.indexOf('=', pos) + 1;
            while (v < e && isBlankByte(bytes[v]))
                ++v;
            line.valueStart = v;
        } else if (!trimmed.isEmpty()) {
            // A line without "=" names a key with an empty value.
            line.kind = Kind::Entry;
            line.name = trimmed.toString();
            line.valueStart = -1;
        }
        pos = e + line.endSize;
        doc.m_lines.append(line);
        if (line.endSize == 0)
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
        const QString folded = foldName(line.name);
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
        if (line.kind == Kind::Entry && sameName(line.name, key))
            return i;
    }
    return -1;
}

QString ProfileDocument::value(QStringView section, QStringView key) const
{
    const qsizetype i = findEntry(trimBlanks(section), trimBlanks(key));
    if (i < 0)
        return QString();
    const QString v = cutToGbkBytes(unquote(m_lines[i].value), MaxValueBytes);
    return v.isNull() ? QString(QLatin1StringView("")) : v; // present but empty: not null
}

QList<ProfileDocument::KeyLine> ProfileDocument::keyLines() const
{
    QList<KeyLine> keys;
    for (const Section &s : m_sections) {
        const QString section = s.header < 0 ? QString() : m_lines[s.header].name;
        for (qsizetype i = s.header + 1; i < s.end; ++i) {
            if (m_lines[i].kind != Kind::Entry)
                continue;
            const QString whole = unquote(m_lines[i].value);
            const QString value = cutToGbkBytes(whole, MaxValueBytes);
            keys.append(KeyLine{section, m_lines[i].name, value, i + 1, s.header + 1, value.size() < whole.size()});
        }
    }
    return keys;
}

QList<ProfileDocument::HeaderLine> ProfileDocument::headerLines() const
{
    QList<HeaderLine> headers;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Kind::Header)
            headers.append(HeaderLine{m_lines[i].name, i + 1});
    return headers;
}

QByteArray ProfileDocument::withValue(const QString &section, const QString &key,
                                      const QString &value) const
{
    const QStringView sectionName = trimBlanks(section);
    const QStringView keyName = trimBlanks(key);
    const QByteArray valueBytes = encode(value, m_encoding);
    QByteArray out = m_bytes;

    if (const qsizetype i = findEntry(sectionName, keyName); i >= 0) {
        // In place: the key keeps its spelling and the blanks around "=".
        const Line &line = m_lines[i];
        if (line.valueStart < 0) // a key without "=" gets one
            return out.insert(line.start + line.size, '=' + valueBytes);
        return out.replace(line.valueStart, line.start + line.size - line.valueStart, valueBytes);
    }

    const QByteArray entry = encode(keyName, m_encoding) + '=' + valueBytes + lineEnd();
    if (const Section *s = findSection(sectionName)) {
        // At the end of the section, before any blank lines that part it
        // from the next one.
        qsizetype last = s->header;
        for (qsizetype i = s->end - 1; i > s->header; --i) {
            if (!isBlankLine(QByteArrayView(m_bytes).sliced(m_lines[i].start, m_lines[i].size))) {
                last = i;
                break;
            }
        }
        if (last < 0) // the nameless section, empty so far: the file's first line
            return out.insert(m_encoding == Encoding::Utf8 ? Utf8Bom.size() : 0, entry);
        const Line &after = m_lines[last];
        if (after.endSize == 0)
            return out.append(lineEnd()).append(entry);
        return out.insert(after.start + after.size + after.endSize, entry);
    }

    QByteArrayView content = QByteArrayView(out);
    if (content.startsWith(Utf8Bom))
        content = content.sliced(Utf8Bom.size());
    if (!content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r'))
        out.append(lineEnd());
    return out.append('[' + encode(sectionName, m_encoding) + ']' + lineEnd() + entry);
}

QByteArray ProfileDocument::withValues(const QList<Edit> &edits, QList<Edit> &rest) const
{
    struct Splice {
        qsizetype from = 0;
        qsizetype size = 0;
        QByteArray bytes;
    };
    QHash<qsizetype, Splice> byLine; // the last edit of each line present
    for (const Edit &e : edits) {
        const qsizetype i = findEntry(trimBlanks(e.section), trimBlanks(e.key));
        if (i < 0) {
            rest.append(e);
            continue;
        }
        const Line &line = m_lines[i];
        if (e.value.isNull())
            byLine.insert(i, {line.start, line.size + line.endSize, {}});
        else if (line.valueStart < 0)
            byLine.insert(i, {line.start + line.size, 0, '=' + encode(e.value, m_encoding)});
        else
            byLine.insert(i, {line.valueStart, line.start + line.size - line.valueStart, encode(e.value, m_encoding)});
    }
    if (byLine.isEmpty())
        return m_bytes;
    QList<qsizetype> lines = byLine.keys();
    std::sort(lines.begin(), lines.end());
    QByteArray out;
    out.reserve(m_bytes.size());
    qsizetype at = 0;
    for (qsizetype i : lines) {
        const Splice &s = byLine[i];
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
