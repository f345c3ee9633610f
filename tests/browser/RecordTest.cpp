#include "RecordTest.h"

#include "PortraitWindow.h"
#include "TestWorld.h"
#include "Units.h"

#include "Abilities.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace {

QColor textColour(QWidget *label) { return label->palette().color(QPalette::WindowText); }

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

void choose(TestWorld &world, const QString &name)
{
    QVERIFY2(pickFromList(world.control<QComboBox>(QStringLiteral("Xingming")), name),
             qPrintable(name + QStringLiteral(" can't be picked in the character box")));
}

constexpr quint32 Red = 0x0000FF, Teal = 0x808000, Black = 0x000000;

} // namespace

void RecordTest::guardShowsItsRecordAndMarkers()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    choose(world, QStringLiteral("林风"));

    QCOMPARE(world.control<QLabel>(QStringLiteral("Qiudui2"))->text(), QStringLiteral("雷霆队"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Xingbie"))->text(), QStringLiteral("男"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Zhiye"))->text(), QStringLiteral("G"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Shengao"))->text(), QStringLiteral("偏高"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Paodong"))->text(), QStringLiteral("45"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Zonghe"))->text(), QStringLiteral("280"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Tip"))->text(),
             QStringLiteral("你选择了特殊角色“林风”，根据其能力特点，推荐职业：SG（仅供参考）。（点击此处可查看SG角色列表）"));
    QVERIFY2(!world.control(QStringLiteral("Paodong"))->isVisible() && !world.control(QStringLiteral("PD"))->isVisible(),
             "the values show before a position was chosen");
    QVERIFY(!world.control(QStringLiteral("Label_FZNL"))->isEnabled());

    // A position and a level later the panel shows, markers unchanged.
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("G")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Dji")), QStringLiteral("1级")));
    auto *marker = world.control<QLabel>(QStringLiteral("YQ"));
    QVERIFY2(marker->isVisible(), "the deviation markers stay hidden once the abilities show");
    QCOMPARE(marker->text(), QStringLiteral("5↓"));
    QCOMPARE(textColour(marker), fromBgr(Teal));
    QVERIFY(world.control(QStringLiteral("Label_FZNL"))->isEnabled());
    int sum = 0;
    for (const AbilityInfo &a : Abilities)
        sum += world.control<QLabel>(a.valueLabel.toString())->text().toInt();
    QCOMPARE(world.control<QLabel>(QStringLiteral("Zonghe"))->text(), QString::number(sum));
}

void RecordTest::portraitMirrorsTheAbilities()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    choose(world, QStringLiteral("林风"));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("ZYe")), QStringLiteral("G")));
    QVERIFY(pickFromList(world.control<QComboBox>(QStringLiteral("Dji")), QStringLiteral("1级")));

    // As tall as the main window beside it, title bar and borders included.
    PortraitWindow *portrait = main.portrait();
    QVERIFY2(qAbs(portrait->heightTwips() - pixelsToTwips(main.frameGeometry().height())) <= TwipsPerPixel,
             "the portrait window is not as tall as the main window once the abilities show");
    QCOMPARE(portrait->topTwips(), int(pixelsToTwips(main.frameGeometry().top())));
    for (int i = 0; i < AbilityCount; ++i) {
        auto *value = world.control<QLabel>(Abilities[i].valueLabel.toString());
        auto *marker = world.control<QLabel>(Abilities[i].marker.toString());
        const QString name = Abilities[i].name.toString();
        QCOMPARE(portrait->valueLabel(i)->text(), value->text());
        QVERIFY2(textColour(portrait->valueLabel(i)) == textColour(value),
                 qPrintable(name + QStringLiteral(" has another colour in the portrait")));
        QVERIFY2(textColour(portrait->captionLabel(i)) == textColour(marker),
                 qPrintable(name + QStringLiteral("'s caption in the portrait doesn't take its marker's colour")));
        const double v = value->text().toDouble();
        const double x2 = v < 100 ? portrait->barX1(i) + 18.5 * v : 2450;
        QCOMPARE(portrait->barX2(i), x2);
        QCOMPARE(portrait->valueLabel(i)->x(), twipsToPixels(x2 + 10));
    }
}

void RecordTest::markersFollowTheClassRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("up");       // marker showing a raise
    QTest::addColumn<QString>("upText");
    QTest::addColumn<QString>("down");     // marker showing a shortfall
    QTest::addColumn<QString>("downText");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("positions");

    QTest::newRow("G") << QStringLiteral("林风") << "PD" << "5↑" << "YQ" << "5↓" << ""
                       << QStringList{"G", "SG", "PG"};
    QTest::newRow("C") << QStringLiteral("石岩") << "DK" << "2↑" << "" << "" << "2↑" << QStringList{"C"};
    QTest::newRow("F") << QStringLiteral("云飞") << "" << "" << "TT" << "10↓" << "10↓"
                       << QStringList{"F", "PF", "SF"};
    QTest::newRow("可选择") << QStringLiteral("小白") << "ZT" << "5↑" << "" << "" << "5↑"
                            << QStringList{"C", "F", "PF", "SF", "G", "SG", "PG"};
    // An unknown class is measured against the guards' row.
    QTest::newRow("unknown") << QStringLiteral("怪客") << "TT" << "30↑" << "PD" << "20↓" << "10↑"
                             << QStringList();
}

void RecordTest::markersFollowTheClassRow()
{
    QFETCH(QString, name);
    QFETCH(QString, up);
    QFETCH(QString, upText);
    QFETCH(QString, down);
    QFETCH(QString, downText);
    QFETCH(QString, total);
    QFETCH(QStringList, positions);

    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    choose(world, name);

    int plain = 0;
    for (const AbilityInfo &a : Abilities) {
        auto *marker = world.control<QLabel>(a.marker.toString());
        if (a.marker == up) {
            QCOMPARE(marker->text(), upText);
            QCOMPARE(textColour(marker), fromBgr(Red));
        } else if (a.marker == down) {
            QCOMPARE(marker->text(), downText);
            QCOMPARE(textColour(marker), fromBgr(Teal));
        } else {
            QVERIFY2(marker->text().isEmpty(),
                     qPrintable(a.marker.toString() + QStringLiteral(" marks an ordinary value: ") + marker->text()));
            QCOMPARE(textColour(marker), fromBgr(Black));
            ++plain;
        }
    }
    QCOMPARE(plain, AbilityCount - int(!up.isEmpty()) - int(!down.isEmpty()));
    auto *zh = world.control<QLabel>(QStringLiteral("ZH"));
    QCOMPARE(zh->text(), total);
    QCOMPARE(textColour(zh), fromBgr(total.isEmpty() ? Black : total.endsWith(u'↑') ? Red : Teal));
    if (!positions.isEmpty())
        QCOMPARE(items(world.control<QComboBox>(QStringLiteral("ZYe"))), positions);
}

void RecordTest::emptyRecommendationAsksForAPosition()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    choose(world, QStringLiteral("石岩"));
    QCOMPARE(world.control<QLabel>(QStringLiteral("Tip"))->text(), QStringLiteral("你选择了“石岩”，请选择职业。"));
}

void RecordTest::portraitShowsOwnPicture()
{
    TestWorld world;
    world.writeStandardDatabase();
    Main &main = world.open();
    PortraitWindow *portrait = main.portrait();
    QVERIFY2(world.waitForPortrait(), "the portrait window is not shown beside the main window at start-up");
    choose(world, QStringLiteral("林风"));
    QVERIFY2(portraitShows(portrait, TestWorld::OwnPictureColour), "林风's own picture is not shown");
    QCOMPARE(portrait->heightTwips(), 3000);
    QVERIFY2(portrait->leftTwips() + portrait->widthTwips() <= int(pixelsToTwips(main.frameGeometry().left())),
             "the portrait window is not left of the main window");
}

void RecordTest::portraitFallsBackToOrdinaryPicture()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    choose(world, QStringLiteral("石岩"));
    QVERIFY2(portraitShows(world.main().portrait(), TestWorld::OrdinaryPictureColour),
             "a character without a picture does not get the ordinary picture");
    QVERIFY(world.main().portrait()->noticeText().isEmpty());
}

void RecordTest::portraitPrintsNoticeWithoutPictures()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.removePicture(QStringLiteral("普通角色"));
    world.open();
    choose(world, QStringLiteral("林风"));
    QVERIFY(world.main().portrait()->hasPicture());
    choose(world, QStringLiteral("石岩"));
    PortraitWindow *portrait = world.main().portrait();
    QVERIFY2(!portrait->hasPicture(), "the previous character's picture stays up");
    QCOMPARE(portrait->noticeText(), QStringLiteral("无头像，请检查客户端完整性！"));
    QVERIFY2(world.messages().count() == 0, "a missing picture shows a message box");
}

void RecordTest::minimisedPortraitIsLeftAlone()
{
    TestWorld world;
    world.writeStandardDatabase();
    world.open();
    PortraitWindow *portrait = world.main().portrait();
    portrait->showMinimized();
    QVERIFY(!portrait->isNormalState());
    const int left = portrait->leftTwips();
    choose(world, QStringLiteral("林风"));
    QVERIFY2(!portrait->hasPicture(), "a picture was loaded into the minimised portrait");
    QCOMPARE(portrait->leftTwips(), left);
}
