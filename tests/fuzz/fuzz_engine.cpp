// Random pick sequences through the build engine, on a record made from the
// input: the shown total is the sum of the twelve shown values; a pick in a
// closed list is refused and changes nothing; a pick refused by the
// no-stacking rule changes no value and leaves its list open.
#include "BuildEngine.h"
#include "FuzzCheck.h"
#include "Numbers.h"

namespace {

const char16_t *const Classes[] = {u"C", u"F", u"G", u"可选择", u"X", u""};
const char16_t *const Heights[] = {u"可设置", u"190", u"205cm", u"", u"高"};

CharacterRecord recordFrom(FuzzInput &in)
{
    CharacterRecord r;
    r.name = QStringLiteral("角色");
    r.positionClass = QString::fromUtf16(Classes[in.byte() % std::size(Classes)]);
    r.height = QString::fromUtf16(Heights[in.byte() % std::size(Heights)]);
    r.recommended = QStringLiteral("PF");
    r.special = (in.byte() & 1) ? QStringLiteral("1") : QString();
    for (int i = 0; i < AbilityCount; ++i) {
        r.abilities[i] = QString::number(int(in.byte()) - 20);
        r.specialAdjust[i] = int(in.byte() % 16) - 4;
    }
    return r;
}

QStringList values(const BuildEngine &e)
{
    QStringList v;
    for (int i = 0; i < AbilityCount; ++i)
        v.append(e.abilityText(i));
    return v << e.totalText();
}

// What a refused pick must leave alone: values, total, every list's text
// and state, the page, the tip and the focus.
QString fingerprint(const BuildEngine &e)
{
    QString f = values(e).join(u',') + u'|' + QString::number(int(e.page())) + u'|' + e.tip() + u'|' + e.focus();
    for (int i = 0; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        f += u'|' + l.text + u'/' + QString::number(int(l.enabled) * 2 + int(l.visible)) + u'/'
             + QString::number(l.items.size());
    }
    return f;
}

void checkTotal(const BuildEngine &e)
{
    if (!e.abilitiesVisible())
        return;
    double sum = 0;
    for (int i = 0; i < AbilityCount; ++i)
        sum += leadingNumber(e.abilityText(i));
    FUZZ_CHECK(leadingNumber(e.totalText()) == sum, "the total is not the sum of the twelve values");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    // One engine for the whole run (building its tables is costly); choosing
    // the character starts every build afresh, as in the window.
    static CharacterRecord record;
    static BuildEngine e([](const QString &) { return record; });
    record = recordFrom(in);
    e.Xingming_Click(record.name);
    checkTotal(e);
    while (!in.empty()) {
        const uint8_t what = in.byte();
        if (what == 0xFE) { // the team label: everything reset
            e.Qiudui2_Click();
            continue;
        }
        const ListId id = ListId(what % ListCount);
        const OptionList &l = e.list(id);
        const int choice = in.byte() % (l.items.size() + 1);
        const QString item = choice < l.items.size() ? l.items[choice] : QStringLiteral("不存在的选项");
        const bool open = l.enabled && l.visible;
        const bool mustRefuse = !open || choice >= l.items.size();
        const QString before = mustRefuse ? fingerprint(e) : QString();
        const QStringList shown = values(e);
        const int refused = e.refused();
        const bool picked = e.pick(id, item);
        if (mustRefuse) {
            FUZZ_CHECK(!picked, "a closed list or a missing item was picked");
            FUZZ_CHECK(fingerprint(e) == before, "a refused pick changed the build");
        } else {
            FUZZ_CHECK(picked, "an open list refused one of its items");
            if (e.refused() > refused) {
                FUZZ_CHECK(values(e) == shown, "a pick refused for stacking changed a value");
                FUZZ_CHECK(e.list(id).enabled, "a pick refused for stacking closed its list");
            }
        }
        checkTotal(e);
    }
    return 0;
}
