#include "mIni.h"

#include "ProfileFile.h"

namespace mIni {

namespace {

struct Current {
    QString path;
    Access access = Access::ReadWrite;
    std::shared_ptr<ProfileFile> file;
};

Current &current()
{
    static Current c;
    return c;
}

WriteFailureHandler &failureHandler()
{
    static WriteFailureHandler handler;
    return handler;
}

void reportFailure(const ProfileFile &file)
{
    if (!failureHandler())
        return;
    const RegularFile::Problem p = file.problem();
    failureHandler()(file.path(), p == RegularFile::Problem::None || p == RegularFile::Problem::Missing
                                      ? RegularFile::Problem::Failed : p);
}

// A write through the module; a failure of the file is reported.
bool writeAndReport(ProfileFile &file, const QString &section, const QString &key, const QString &value)
{
    if (file.write(section, key, value))
        return true;
    if (ProfileFile::nameFault(section, false) == ProfileFile::NameFault::None
        && ProfileFile::nameFault(key, true) == ProfileFile::NameFault::None)
        reportFailure(file);
    return false;
}

QString trimSpaces(const QString &text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    return text.mid(b, e - b);
}

} // namespace

void setIniFile(const QString &path, Access access)
{
    Current &c = current();
    c.path = path;
    c.access = access;
    c.file = path.isEmpty() ? nullptr : ProfileFile::at(path);
}

QString IniFile()
{
    return current().path;
}

Access IniAccess()
{
    return current().access;
}

QString IniRead(const QString &section, const QString &key, const QString &def)
{
    Current &c = current();
    QString value = c.file ? c.file->value(section, key) : QString();
    if (value.isEmpty()) {
        if (c.file && c.access == Access::ReadWrite)
            writeAndReport(*c.file, section, key, def.isEmpty() ? QString() : def);
        return trimSpaces(def);
    }
    value.remove(QChar(u'\0'));
    return trimSpaces(value);
}

RegularFile::Problem IniProblem()
{
    return current().file ? current().file->problem() : RegularFile::Problem::Missing;
}

bool IniWrite(const QString &section, const QString &key, const QString &value)
{
    Current &c = current();
    if (!c.file || c.access == Access::ReadOnly)
        return false;
    return writeAndReport(*c.file, section, key, value);
}

void setWriteFailureHandler(WriteFailureHandler handler)
{
    failureHandler() = std::move(handler);
}

WriteBatch::WriteBatch()
    : m_file(current().access == Access::ReadWrite ? current().file : nullptr)
{
    if (m_file)
        m_file->beginBatch();
}

WriteBatch::~WriteBatch()
{
    commit();
}

bool WriteBatch::commit()
{
    if (!m_file)
        return true;
    const bool ok = m_file->endBatch();
    if (!ok)
        reportFailure(*m_file);
    m_file.reset();
    return ok;
}

ReadGroup::ReadGroup()
    : m_file(current().file)
{
    if (m_file)
        m_file->beginReadGroup();
}

ReadGroup::~ReadGroup()
{
    if (m_file)
        m_file->endReadGroup();
}

} // namespace mIni
