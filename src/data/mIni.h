#pragma once

#include "RegularFile.h"

#include <QString>
#include <functional>
#include <memory>

class ProfileFile;

// The profile-file module: every read and write of the game database and
// the configuration file goes through here. Callers set the current file
// before each group of reads or writes.
namespace mIni {

// ReadOnly never writes: the game database, and `zrc-cli ini get`.
enum class Access { ReadWrite, ReadOnly };

// Sets the process-wide current file.
void setIniFile(const QString &path, Access access = Access::ReadWrite);
QString IniFile();
Access IniAccess();

// The value of the key in the current file, without NULs and without
// spaces at either end. When the key is absent or its value empty, the
// default is returned (trimmed) and, on a ReadWrite file, written back:
// an empty default deletes the key, so an entry with an empty value
// disappears at its first read.
QString IniRead(const QString &section, const QString &key, const QString &def = QString());

// Sets the key in the current file; a null value deletes it. False when
// the file is ReadOnly or could not be written.
bool IniWrite(const QString &section, const QString &key, const QString &value);

// Why the last read or write of the current file went wrong (None when it
// did not; Missing for a file that does not exist yet).
RegularFile::Problem IniProblem();

// Called when a write to a ReadWrite file fails for a reason of the file
// (not for a name that cannot be stored), with the file and the reason.
using WriteFailureHandler = std::function<void(const QString &path, RegularFile::Problem problem)>;
void setWriteFailureHandler(WriteFailureHandler handler);

// Holds the writes to the current file while it lives and writes the file
// once at the end: for handlers that store many keys at a time.
class WriteBatch {
public:
    WriteBatch();
    ~WriteBatch();
    WriteBatch(const WriteBatch &) = delete;
    WriteBatch &operator=(const WriteBatch &) = delete;
    // Writes now; true when the file was written (or nothing changed).
    bool commit();

private:
    std::shared_ptr<ProfileFile> m_file;
};

// Checks the current file on disk once while it lives, instead of at every
// read: for handlers that read many keys at a time.
class ReadGroup {
public:
    ReadGroup();
    ~ReadGroup();
    ReadGroup(const ReadGroup &) = delete;
    ReadGroup &operator=(const ReadGroup &) = delete;

private:
    std::shared_ptr<ProfileFile> m_file;
};

} // namespace mIni
