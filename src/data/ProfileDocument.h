#pragma once

#include "ProfileText.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// One profile file parsed as the Windows profile functions read it, over
// the file's exact bytes. Edits return the new bytes of the whole file and
// leave every byte outside the changed line as it was.
//
// The rules (docs/profile-files.md): names match ignoring A-Z case; blanks
// (space, tab, vertical tab, form feed, CR, Ctrl-Z) around names and values
// are trimmed, then one pair of matching outer quotes around a value is
// removed; a value ends at a NUL; there are no comments; the first of
// duplicate keys wins and only the first of duplicate sections counts; a
// line without "=" names a key with an empty value; lines before the first
// header form a nameless section that comes first; a header's name ends at
// the last "]" of its line; CR LF, LF and a lone CR end a line.
class ProfileDocument {
public:
    ProfileDocument() = default;
    static ProfileDocument parse(const QByteArray &bytes);

    const QByteArray &bytes() const { return m_bytes; }
    ProfileText::Encoding encoding() const { return m_encoding; }

    // The value as the profile functions return it: trimmed, outer quotes
    // removed, cut to 143 bytes of GBK. Null when the key is absent.
    QString value(QStringView section, QStringView key) const;

    // The file with the key set to the value (created with its section as
    // needed), or with the key removed.
    QByteArray withValue(const QString &section, const QString &key, const QString &value) const;
    QByteArray withoutKey(QStringView section, QStringView key) const;

    // Many edits at once (a null value removes the key), in one pass over
    // the bytes: the last edit of a key wins; keys the file lacks go to the
    // end of their section (new sections to the end of the file) in the
    // order first set, as withValue one by one would put them.
    struct Edit {
        QString section;
        QString key;
        QString value;
    };
    QByteArray withValues(const QList<Edit> &edits) const;

    // Every key and header line in file order, with 1-based line numbers:
    // for checks of a file's layout. Keys before the first header belong to
    // the section "".
    struct KeyLine {
        QString section;
        QString key;
        QString value; // as value() would return it for this line
        qsizetype line = 0;
        qsizetype header = 0; // line of its section's header; 0 before the first header
        bool cut = false;     // the value was longer than MaxValueBytes
    };
    struct HeaderLine {
        QString name;
        qsizetype line = 0;
    };
    QList<KeyLine> keyLines() const;
    QList<HeaderLine> headerLines() const;

    // The longest value the profile functions hand out, in bytes of GBK.
    static constexpr int MaxValueBytes = 143;

private:
    enum class Kind { Other, Header, Entry };
    struct Line {
        qsizetype start = 0;     // first byte
        qsizetype size = 0;      // bytes before the line end
        qsizetype endSize = 0;   // bytes of the line end: 0 (last line), 1 or 2
        qsizetype valueStart = 0; // Entry: first byte of the value (after "=" and blanks); -1 without "="
        Kind kind = Kind::Other;
        // In m_text: Header: section name; Entry: key name, then its
        // trimmed value, quotes kept.
        qsizetype nameAt = 0, nameSize = 0;
        qsizetype valueAt = 0, valueSize = 0;
    };
    QStringView name(const Line &line) const { return QStringView(m_text).sliced(line.nameAt, line.nameSize); }
    QStringView value(const Line &line) const { return QStringView(m_text).sliced(line.valueAt, line.valueSize); }
    struct Section {
        qsizetype header = 0;    // line index of the header; -1: the nameless first section
        qsizetype end = 0;       // one past its last line
    };

    const Section *findSection(QStringView name) const;
    // Where a new key of the section goes; breakFirst when the section's
    // last line has no line end yet.
    qsizetype newKeyAt(const Section &s, bool &breakFirst) const;
    bool endsInsideALine() const;
    qsizetype findEntry(QStringView section, QStringView key) const;
    QByteArray lineEnd() const { return QByteArrayLiteral("\r\n"); }

    QByteArray m_bytes;
    ProfileText::Encoding m_encoding = ProfileText::Encoding::Gbk;
    QString m_text; // the names and values of the lines, one after another
    QList<Line> m_lines;
    QList<Section> m_sections;
    QHash<QString, qsizetype> m_firstSection; // folded name -> index in m_sections
};
