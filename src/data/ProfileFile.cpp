#include "ProfileFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace {

bool s_caching = true;

qint64 nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000LL;
}

// Names are stored on a line of their own; anything that would read back
// as something else cannot be stored.
bool storableName(QStringView name, bool isKey)
{
    const QStringView trimmed = ProfileText::trimBlanks(name);
    if (trimmed.isEmpty() || name.contains(u'\r') || name.contains(u'\n'))
        return false;
    if (isKey && (trimmed.contains(u'=') || trimmed.startsWith(u'[')))
        return false;
    return true;
}

} // namespace

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
    if (stamp.exists) {
        QFile file(m_path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        else
            m_unreadable = true;
    }
    if (!s_caching || !m_loaded || bytes != m_doc.bytes())
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
    m_doc = ProfileDocument::parse(bytes);
    ++m_parses;
}

QString ProfileFile::value(QStringView section, QStringView key)
{
    refresh();
    return m_doc.value(section, key);
}

bool ProfileFile::write(const QString &section, const QString &key, const QString &value)
{
    if (!storableName(section, false) || !storableName(key, true))
        return false;
    refresh();
    if (m_unreadable)
        return false; // writing would replace contents we could not see

    QByteArray out;
    if (value.isNull()) {
        out = m_doc.withoutKey(section, key);
    } else {
        // A line break would end the line and start another entry.
        QString oneLine = value;
        oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
        out = m_doc.withValue(section, key, oneLine);
    }
    if (out == m_doc.bytes() && (m_stamp.exists || value.isNull()))
        return true;

    if (m_batch > 0) {
        adopt(out);
        m_dirty = true;
        return true;
    }
    if (!save(out))
        return false;
    adopt(out);
    return true;
}

bool ProfileFile::save(const QByteArray &bytes)
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
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
    }
    ++m_batch;
}

bool ProfileFile::endBatch()
{
    if (m_batch == 0 || --m_batch > 0 || !m_dirty)
        return true;
    m_dirty = false;
    if (save(m_doc.bytes()))
        return true;
    m_loaded = false; // forget the edits that did not reach the disk
    return false;
}
