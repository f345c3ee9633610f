#include "ProfileFile.h"

#include "ProfileText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <algorithm>

namespace {

bool s_caching = true;

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000LL;
}

} // namespace

ProfileFile::NameFault ProfileFile::nameFault(QStringView name, bool isKey)
{
    // Names are stored on a line of their own.
    const QStringView trimmed = ProfileText::trimBlanks(name);
    if (trimmed.isEmpty())
        return NameFault::Empty;
    if (name.contains(u'\r') || name.contains(u'\n'))
        return NameFault::LineBreak;
    if (isKey && trimmed.startsWith(u'['))
        return NameFault::OpensHeader;
    if (isKey && trimmed.contains(u'='))
        return NameFault::HoldsEquals;
    return NameFault::None;
}

std::shared_ptr<ProfileFile> ProfileFile::at(const QString &path)
{
    static QHash<QString, std::shared_ptr<ProfileFile>> files;
    const QString key = QDir::cleanPath(path);
    auto &file = files[key];
    if (!file)
        file = std::make_shared<ProfileFile>(key);
    return file;
}

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{
}

void ProfileFile::setCaching(bool on)
{
    s_caching = on;
}

bool ProfileFile::exists()
{
    refresh();
    return m_stamp.exists;
}

void ProfileFile::refresh()
{
    if (m_batch > 0 && m_loaded)
        return; // the pending edits are the file
    if (m_readGroup > 0 && m_loaded && s_caching)
        return; // checked when the group began
    const FileStamp stamp = FileStamp::of(m_path);
    if (s_caching && m_loaded && m_trusted && stamp == m_stamp)
        return;

    const qint64 readAt = nowNs();
    QByteArray bytes;
    m_unreadable = false;
    m_problem = stamp.occupied ? RegularFile::Problem::NotRegular : RegularFile::Problem::Missing;
    if (stamp.exists) {
        RegularFile::Contents contents = RegularFile::read(m_path);
        bytes = std::move(contents.bytes);
        m_problem = contents.problem;
        // Unreadable, too large, or replaced by something that is not a
        // file since the stamp: never written over.
        m_unreadable = !contents.ok() && contents.problem != RegularFile::Problem::Missing;
    }
    if (!s_caching || !m_loaded || bytes != this->bytes())
        adopt(bytes);
    // Stamp taken before reading: a change during the read shows next time.
    m_stamp = stamp;
    m_loaded = true;
    m_trusted = !stamp.exists || stamp.modifiedNs < readAt - RacyWindowNs;
}

void ProfileFile::beginReadGroup()
{
    // Checked before the group counts: inside it, refresh() trusts the copy.
    if (m_readGroup == 0)
        refresh();
    ++m_readGroup;
}

void ProfileFile::endReadGroup()
{
    if (m_readGroup > 0)
        --m_readGroup;
}

void ProfileFile::adopt(const QByteArray &bytes)
{
    // Parsed when first read: a write that ends a window's life (a close
    // storing its slots) costs no parse of a large file.
    m_unparsed = bytes;
    m_stale = true;
}

const ProfileDocument &ProfileFile::doc()
{
    if (m_stale) {
        m_doc = ProfileDocument::parse(m_unparsed);
        ++m_parses;
        m_unparsed = QByteArray();
        m_stale = false;
    }
    return m_doc;
}

void ProfileFile::applyPending()
{
    if (m_pending.isEmpty())
        return;
    // One splice and one parse for the whole batch, new keys included.
    const QByteArray spliced = doc().withValues(m_pending);
    for (const ProfileDocument::Edit &e : std::as_const(m_pending))
        if (!m_stamp.exists && !e.value.isNull())
            m_dirty = true; // a file not there yet is created even for an empty value
    m_pending.clear();
    // Unchanged comes back as the same bytes: no pass over a large file.
    if (!spliced.isSharedWith(bytes()) && spliced != bytes())
        adopt(spliced);
}

QString ProfileFile::value(QStringView section, QStringView key)
{
    refresh();
    // A read inside a batch sees the batch's writes. Writes to other keys
    // never change this one, so only reading back a key of the batch costs
    // the splice (and, later, a parse): a batch that reads and deletes key
    // after key still parses a large file once.
    const QStringView s = ProfileText::trimBlanks(section);
    const QStringView k = ProfileText::trimBlanks(key);
    const bool pendingHere = std::any_of(m_pending.cbegin(), m_pending.cend(), [&](const ProfileDocument::Edit &e) {
        return ProfileText::sameName(ProfileText::trimBlanks(e.key), k)
            && ProfileText::sameName(ProfileText::trimBlanks(e.section), s);
    });
    if (pendingHere)
        applyPending();
    return doc().value(section, key);
}

bool ProfileFile::write(const QString &section, const QString &key, const QString &value)
{
    if (nameFault(section, false) != NameFault::None || nameFault(key, true) != NameFault::None)
        return false;
    refresh();
    if (m_unreadable)
        return false; // writing would replace contents we could not see
    if (m_problem == RegularFile::Problem::NotRegular)
        return false; // never replace a FIFO, a device or a folder

    // A line break would end the line and start another entry.
    QString oneLine = value;
    if (!value.isNull())
        oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    if (m_batch > 0) {
        // Kept aside and spliced in at once: a write costs no pass over the file.
        m_pending.append({section, key, oneLine});
        return true;
    }
    const QByteArray out = value.isNull() ? doc().withoutKey(section, key) : doc().withValue(section, key, oneLine);
    if (out == bytes() && (m_stamp.exists || value.isNull()))
        return true;
    if (!save(out))
        return false;
    adopt(out);
    return true;
}

bool ProfileFile::save(const QByteArray &bytes)
{
    m_problem = RegularFile::write(m_path, bytes);
    if (m_problem != RegularFile::Problem::None)
        return false;
    // Just written, so the time is too fresh to trust on its own.
    m_stamp = FileStamp::of(m_path);
    m_trusted = false;
    return true;
}

void ProfileFile::beginBatch()
{
    if (m_batch == 0) {
        refresh();
        m_dirty = false;
        m_before = bytes();
    }
    ++m_batch;
}

bool ProfileFile::endBatch()
{
    if (m_batch == 0 || --m_batch > 0)
        return true;
    applyPending();
    const bool changed = m_dirty || (!bytes().isSharedWith(m_before) && bytes() != m_before);
    m_before.clear();
    m_dirty = false;
    if (!changed)
        return true;
    if (save(bytes()))
        return true;
    m_loaded = false; // forget the edits that did not reach the disk
    return false;
}
