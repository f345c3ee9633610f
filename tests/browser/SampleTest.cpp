#include "SampleTest.h"

#include "AppPaths.h"
#include "PortraitWindow.h"
#include "TestWorld.h"

#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QTest>

void SampleTest::opensOnTheSampleAndShowsACharacter()
{
    TestWorld world;
    const QString sample = QStringLiteral(ZRC_TEST_SAMPLE_DIR);
    if (!QFileInfo::exists(QDir(sample).filePath(QStringLiteral("ZRCdata.dat"))))
        QSKIP("the bundled sample has not been generated");
    AppPaths::setDataDir(sample);
    Main &main = world.open();

    auto *teams = world.control<QComboBox>(QStringLiteral("Qiudui"));
    auto *names = world.control<QComboBox>(QStringLiteral("Xingming"));
    QVERIFY2(teams->count() > 1, "the sample's teams are not listed");
    QVERIFY2(names->count() > 1, "the sample's characters are not listed");

    QVERIFY(pickFromList(teams, teams->itemText(0)));
    QVERIFY(names->count() > 0);
    QVERIFY(pickFromList(names, names->itemText(0)));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Qiudui2"))->text(), teams->itemText(0));
    QVERIFY(!world.control<QLabel>(QStringLiteral("Zhiye"))->text().isEmpty());
    QVERIFY(!world.control<QLabel>(QStringLiteral("Zonghe"))->text().isEmpty());
    QVERIFY2(main.portrait()->hasPicture(), "the sample's character has no picture, not even the ordinary one");
    QCOMPARE(world.messages().count(), 0);
}
