// zrc-buildgen DATA_DIR COUNT [SEED]
// zrc-buildgen --name-rect DATA_DIR CHARACTER
//
// Prints COUNT seeded builds of the game data in DATA_DIR, one a line, as
// the arguments `zrc-cli build` takes: the character, then LIST=ITEM for
// every pick in answering order, separated by tabs. The same seed and data
// give the same lines, so two builds of zrc-cli can be fed the same picks.
// With --name-rect, prints where the card of the character alone (no
// picks) writes the character's name: "X Y WIDTH HEIGHT" in pixels at scale 1.

#include "BuildCardLayout.h"
#include "BuildGenerator.h"
#include "GameDatabase.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

int nameRect(const QString &dataDir, const QString &character)
{
    const GameDatabase db(QDir(dataDir).filePath(QStringLiteral("ZRCdata.dat")));
    BuildEngine engine([&db](const QString &name) { return db.record(name); });
    engine.Xingming_Click(character);
    const BuildCardLayout layout = buildCardLayout(buildCardFacts(engine, VersionText::read(u"3.2")));
    for (const CardText &t : layout.texts) {
        if (t.text == character) {
            const QRect r = t.rect.toAlignedRect();
            std::printf("%d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
            return 0;
        }
    }
    std::fputs("zrc-buildgen: the card does not show the character's name\n", stderr);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == u"--name-rect")
        return nameRect(args[2], args[3]);
    bool countOk = false, seedOk = true;
    const int count = args.size() >= 3 ? args[2].toInt(&countOk) : 0;
    const quint64 seed = args.size() >= 4 ? args[3].toULongLong(&seedOk) : 20261208;
    if (args.size() < 3 || args.size() > 4 || !countOk || count < 0 || !seedOk) {
        std::fputs("usage: zrc-buildgen DATA_DIR COUNT [SEED]\n", stderr);
        return 2;
    }
    const GameDatabase db(QDir(args[1]).filePath(QStringLiteral("ZRCdata.dat")));
    if (!db.exists()) {
        std::fprintf(stderr, "zrc-buildgen: no ZRCdata.dat in %s\n", qUtf8Printable(args[1]));
        return 1;
    }
    BuildEngine engine([&db](const QString &name) { return db.record(name); });
    BuildGenerator generator(seed, db.allCharacters());
    for (int i = 0; i < count; ++i) {
        const PickSequence s = generator.next(engine);
        if (s.character.isEmpty()) {
            std::fputs("zrc-buildgen: no character completes a build\n", stderr);
            return 1;
        }
        QString line = s.character;
        for (const Pick &p : s.picks)
            line += u'\t' + listName(p.list) + u'=' + p.item;
        line += u'\n';
        const QByteArray bytes = line.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    return 0;
}
