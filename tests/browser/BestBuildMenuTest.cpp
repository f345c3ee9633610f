#include "BestBuildMenuTest.h"

#include "Abilities.h"
#include "ApplyPicks.h"
#include "BestBuild.h"
#include "AppPaths.h"
#include "GameDatabase.h"
#include "TestWorld.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

void BestBuildMenuTest::captionMenuAsksForTheBestBuild()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    QSignalSpy asked(&main, &Main::bestBuildRequested);
    QSignalSpy changed(&main, &Main::characterChanged);

    // No character yet: every caption offers the item, disabled.
    for (int row = 0; row <= AbilityCount; ++row) {
        std::unique_ptr<QMenu> menu(main.captionMenu(row));
        QCOMPARE(menu->actions().size(), 1);
        const QString caption = row < AbilityCount ? Abilities[row].name.toString() : QStringLiteral("综合");
        QCOMPARE(menu->actions()[0]->text(), u"求" + caption + u"最高的配置");
        QVERIFY(!menu->actions()[0]->isEnabled());
    }
    QCOMPARE(world.control(QStringLiteral("Label_SF"))->contextMenuPolicy(), Qt::CustomContextMenu);

    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), QStringLiteral("林风")));
    QCOMPARE(changed.size(), 1);
    std::unique_ptr<QMenu> menu(main.captionMenu(9));
    QVERIFY(menu->actions()[0]->isEnabled());
    menu->actions()[0]->trigger();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0][0].toInt(), 9);

    // The team label returns to no character: disabled again, and the
    // change is announced.
    clickOn(world.control(QStringLiteral("Qiudui2")));
    QCOMPARE(changed.size(), 2);
    menu.reset(main.captionMenu(12));
    QVERIFY(!menu->actions()[0]->isEnabled());
}

void BestBuildMenuTest::foundPicksApplyOnTheMainWindow()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    // 小白 has a selectable height; the answer holds it, and the main window
    // takes every pick as a player's.
    const CharacterRecord record = GameDatabase(AppPaths::databasePath()).record(QStringLiteral("小白"));
    BestBuildRequest request;
    request.record = record;
    request.objective = *BuildObjective::parse(QStringLiteral("灌篮=1,篮板=0.5"));
    const BestBuildResult best = findBestBuild(request);
    QCOMPARE(best.status, BestBuildResult::Found);
    PickSequence sequence{record.name, {}};
    for (const BestPick &p : best.picks)
        sequence.picks.append({p.list, p.item});
    QCOMPARE(applyPicks(main, sequence), int(best.picks.size()));
    QCOMPARE(world.messages().count(), 0);
    for (int i = 0; i < AbilityCount; ++i)
        QCOMPARE(main.valueLabels[i]->text(), best.texts[i]);
    QCOMPARE(main.Zonghe->text(), best.total);
}
