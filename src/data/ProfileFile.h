#pragma once

#include "FileStamp.h"
#include "ProfileDocument.h"
#include "RegularFile.h"

#include <QString>
#include <memory>

// One profile file on disk. The parsed file is kept and reused until the
// file changes on disk (size or modification time) or is written through
// here, so a handler's hundred-odd reads cost one cheap file-status call
// each. Every write replaces the file atomically.
class ProfileFile {
public:
    // The one object of a path, shared by all its readers in the process.
    static std::shared_ptr<ProfileFile> at(const QString &path);

    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }
    bool exists();

    // The value as the profile functions return it (see ProfileDocument);
    // null when the key or the file is absent.
    QString value(QStringView section, QStringView key);

    // Sets the value, creating file, section and key as needed; a null
    // value deletes the key. Changes nothing on disk when nothing changes.
    // False when the file cannot be read or written, or a name cannot be
    // stored (empty, a line break, "=" in a key, a key that would read as
    // a section header).
    bool write(const QString &section, const QString &key, const QString &value);

    // Writes between these two go to the parsed file only and reach the
    // disk at the end of the outermost batch, in one atomic write.
    void beginBatch();
    bool endBatch();

    // Reads between these two check the file on disk once, at the start:
    // a group of reads in one handler sees one state of the file.
    void beginReadGroup();
    void endReadGroup();

    // Why the file could not be read, or the last write failed (None when
    // all went well; Missing for a file not there yet).
    RegularFile::Problem problem() const { return m_problem; }

    // Why a section or key name cannot be stored: it would read back as
    // something else.
    enum class NameFault { None, Empty, LineBreak, OpensHeader, HoldsEquals };
    static NameFault nameFault(QStringView name, bool isKey);

    // Off: every read reads and parses the file again (for measurements).
    static void setCaching(bool on);
    // How often this file was parsed (for tests of the cache).
    int parseCount() const { return m_parses; }

    // A modification time this close to the moment the file was read
    // might be shared by a later change of the same size, so such a file
    // is compared byte by byte until it is older (two seconds covers the
    // coarsest common file-time resolution).
    static constexpr qint64 RacyWindowNs = 2'000'000'000LL;

private:
    void refresh();
    void adopt(const QByteArray &bytes);
    const ProfileDocument &doc();
    // The file as this object has it, parsed or not.
    const QByteArray &bytes() const { return m_stale ? m_unparsed : m_doc.bytes(); }
    bool save(const QByteArray &bytes);
    void applyPending();

    QString m_path;
    ProfileDocument m_doc;
    QByteArray m_unparsed; // the file, when it changed after m_doc was parsed
    bool m_stale = false;
    FileStamp m_stamp;
    bool m_loaded = false;
    bool m_trusted = false;    // the stamp alone tells whether the file changed
    bool m_unreadable = false; // present but could not be read: never overwrite it
    RegularFile::Problem m_problem = RegularFile::Problem::None;
    int m_batch = 0;
    QList<ProfileDocument::Edit> m_pending; // writes of the batch not yet in m_doc
    QByteArray m_before;                    // the file when the batch began
    int m_readGroup = 0;
    bool m_dirty = false;
    int m_parses = 0;
};
