// Pasted text through the sheet loader, on two characters (one with a
// selectable height): nothing crashes; a load that fails names a reason; a
// sheet that loads gives back a sheet that loads to the same text; the
// comparison cells, when there are any, start with the text's character.
#include "AbilitySheet.h"
#include "BuildEngine.h"
#include "FuzzCheck.h"
#include "SheetFile.h"
#include "SheetLoader.h"

namespace {

CharacterRecord record(const QString &name)
{
    CharacterRecord r;
    r.name = name;
    r.positionClass = name == u"甲" ? QStringLiteral("G") : QStringLiteral("可选择");
    r.height = name == u"甲" ? QStringLiteral("偏高") : QStringLiteral("可设置");
    r.recommended = name == u"甲" ? QStringLiteral("SG") : QString();
    for (int i = 0; i < AbilityCount; ++i)
        r.abilities[i] = QString::number(10 + 3 * i);
    return r;
}

const QStringList Characters{QStringLiteral("甲"), QStringLiteral("乙")};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static BuildEngine first(record), second(record);
    const QString text = SheetFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const SheetLoad load = loadSheet(text, first, Characters);
    FUZZ_CHECK(!load.message.isEmpty(), "a load without a message");
    if (load.loaded()) {
        FUZZ_CHECK(Characters.contains(load.sequence.character), "loaded an unknown character");
        if (load.kind == SheetText::Kind::Sheet) {
            const QString again = makeAbilitySheet(first, 3.2f, QStringLiteral("x")).text();
            const SheetLoad reload = loadSheet(again, second, Characters);
            FUZZ_CHECK(reload.status == SheetLoad::Status::Agrees, "the loaded build's own sheet does not agree");
            FUZZ_CHECK(makeAbilitySheet(second, 3.2f, QStringLiteral("x")).text() == again,
                       "the loaded build's own sheet does not load back to itself");
        }
    } else {
        FUZZ_CHECK(load.message.startsWith(SheetLoadTexts::NotLoaded), "a failed load without its reason");
    }
    QString why;
    if (const auto cells = comparisonCells(text, &why))
        FUZZ_CHECK(!(*cells)[FirstAbilityRow].isEmpty(), "comparison cells without values");
    else
        FUZZ_CHECK(!why.isEmpty(), "no comparison cells and no reason");
    return 0;
}
