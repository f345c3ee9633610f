// The record loader on any database file: the lists and records the
// program reads hold no empty names, no more names than their keys, and no
// value longer than 143 bytes; nothing blocks or crashes.
#include "FuzzCheck.h"
#include "GameDatabase.h"
#include "ProfileText.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void checkValue(const QString &v)
{
    FUZZ_CHECK(ProfileText::encode(v, ProfileText::Encoding::Gbk).size() <= 143 * 3, "a value without bound");
    FUZZ_CHECK(v.trimmed().size() == v.size() || v.front() != u' ', "a value starts with a space");
}

void checkList(const QStringList &names, int most)
{
    FUZZ_CHECK(names.size() <= most, "a list longer than its keys");
    for (const QString &n : names) {
        FUZZ_CHECK(!n.isEmpty(), "an empty name in a list");
        checkValue(n);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static int n = 0;
    const QString path = dir.filePath(QStringLiteral("ZRCdata%1.dat").arg(++n));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly), "cannot make the test file");
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const GameDatabase db(path);
    const QStringList teams = db.teams();
    checkList(teams, 25);
    for (const QString &team : teams)
        checkList(db.teamMembers(team), 5);
    const QStringList all = db.allCharacters();
    checkList(all, 60);
    for (const QString &name : all) {
        const CharacterRecord r = db.record(name);
        FUZZ_CHECK(r.name == name, "a record of another name");
        for (const QString &v : r.abilities)
            checkValue(v);
        checkValue(r.positionClass);
        checkValue(r.height);
        FUZZ_CHECK(r.specialAdjust[AbilityCount - 1] == double(qint64(r.specialAdjust[AbilityCount - 1])),
                   "the last adjustment is not whole");
    }
    QFile::remove(path);
    return 0;
}
