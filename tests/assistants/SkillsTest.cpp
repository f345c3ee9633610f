#include "SkillsTest.h"

#include "AssistantWorld.h"
#include "BuildEngine.h"
#include "FifoTrap.h"
#include "SkillsCatalog.h"
#include "SkillsWindow.h"
#include "ShownAsWritten.h"
#include "Units.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace {

// C lists skills under 1, 2 and 5 and one fancy move under 3; PF has no
// entries; SF has one of each. 勾手 has no price.
const QString Database = QStringLiteral(
    "[C]\r\n技能1=勾手\r\n技能2=卡位\r\n技能5=盖帽\r\n花式动作3=转身\r\n技能7=\r\n"
    "[PF]\r\n"
    "[SF]\r\n技能1=急停\r\n花式动作1=胯下\r\n"
    "[勾手]\r\n必备指数=★★★★☆\r\n类型=主动技能\r\n职业=C\r\n等级=8级\r\n"
    "触发条件=篮下背身\r\n其他说明=难以封盖\r\n"
    "[胯下]\r\n必备指数=★★☆☆☆\r\n类型=花式动作\r\n职业=SF\r\n等级=3级\r\n价格=900街币\r\n");

// A build with a character of the given class and, when given, a position picked.
struct Build {
    BuildEngine engine;
    Build(const QString &positionClass, const QString &position)
        : engine([positionClass](const QString &name) {
              CharacterRecord r;
              r.name = name;
              r.positionClass = positionClass;
              return r;
          })
    {
        engine.Xingming_Click(QStringLiteral("某人"));
        if (!position.isEmpty())
            QVERIFY(engine.pick(ListId::ZYe, position));
    }
};

struct Opened {
    SkillsWindow window;
    Opened(AssistantWorld &world, const BuildEngine &engine) : window(engine, &world.main()) { window.show(); }
    template <typename T = QWidget>
    T *get(const QString &name) { return window.findChild<T *>(name); }
    QString text(const QString &label) { return get<QLabel>(label)->text(); }
    QStringList items(const QString &list)
    {
        QStringList out;
        for (int i = 0; i < get<QListWidget>(list)->count(); ++i)
            out.append(get<QListWidget>(list)->item(i)->text());
        return out;
    }
    QString chosen()
    {
        for (QRadioButton *b : window.findChildren<QRadioButton *>())
            if (b->isChecked())
                return b->objectName();
        return QString();
    }
    void clickEntry(const QString &list, int row)
    {
        auto *view = get<QListWidget>(list);
        // A long entry reaches past the list's edge: click its visible part.
        const QRect r = view->visualItemRect(view->item(row)) & view->viewport()->rect();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
};

} // namespace

void SkillsTest::startingPosition_data()
{
    QTest::addColumn<QString>("positionClass");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("start"); // "" for none
    QTest::newRow("centre") << "C" << "C" << "C";
    QTest::newRow("forward, nothing picked") << "F" << "" << "PF";
    QTest::newRow("forward, SF picked") << "F" << "SF" << "SF";
    QTest::newRow("forward, F picked") << "F" << "F" << "PF";
    QTest::newRow("guard, nothing picked") << "G" << "" << "SG";
    QTest::newRow("guard, PG picked") << "G" << "PG" << "PG";
    QTest::newRow("flexible, PF picked") << "可选择" << "PF" << "PF";
    QTest::newRow("flexible, C picked") << "可选择" << "C" << "";
    QTest::newRow("no character") << "" << "" << "";
}

void SkillsTest::startingPosition()
{
    QFETCH(QString, positionClass);
    QFETCH(QString, picked);
    QFETCH(QString, start);
    QCOMPARE(startingSkillPosition(positionClass, picked).value_or(QString()), start);
}

void SkillsTest::listsSkipGapsAndCountTheirEntries()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    Build build(QStringLiteral("C"), QString());
    Opened o(world, build.engine);
    QVERIFY(world.main().isMinimized());
    QCOMPARE(o.chosen(), QStringLiteral("C"));
    QCOMPARE(o.items(QStringLiteral("Skill")), QStringList({"勾手", "卡位", "盖帽"}));
    QCOMPARE(o.get<QGroupBox>(QStringLiteral("Frame_JN"))->title(), QStringLiteral("技能（共计3个）"));
    QCOMPARE(o.items(QStringLiteral("Hooprix")), QStringList({"转身"}));
    QCOMPARE(o.get<QGroupBox>(QStringLiteral("Frame_DZ"))->title(), QStringLiteral("花式动作（共计1个）"));
    o.window.close();
    QVERIFY(!world.main().isMinimized());
}

void SkillsTest::emptyPositionShowsEmptyListsAndColours()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    Build build(QStringLiteral("可选择"), QString());
    Opened o(world, build.engine);
    QCOMPARE(o.chosen(), QString()); // no rule matches
    QTest::mouseClick(o.get(QStringLiteral("PF")), Qt::LeftButton);
    QCOMPARE(o.chosen(), QStringLiteral("PF"));
    QCOMPARE(o.get<QListWidget>(QStringLiteral("Skill"))->count(), 0);
    QCOMPARE(o.get<QListWidget>(QStringLiteral("Hooprix"))->count(), 0);
    QCOMPARE(o.get<QGroupBox>(QStringLiteral("Frame_JN"))->title(), QStringLiteral("技能（共计0个）"));
    QCOMPARE(o.get<QGroupBox>(QStringLiteral("Frame_DZ"))->title(), QStringLiteral("花式动作（共计0个）"));
    // The chosen button reads black, the others dark grey; the lists and
    // the panel take the chosen button's colour.
    const QColor pf(189, 77, 255);
    QCOMPARE(o.get(QStringLiteral("PF"))->palette().color(QPalette::WindowText), fromBgr(0x000000));
    QCOMPARE(o.get(QStringLiteral("SG"))->palette().color(QPalette::WindowText), fromBgr(0x404040));
    QCOMPARE(o.get(QStringLiteral("SG"))->palette().color(QPalette::Window), QColor(255, 185, 58));
    QCOMPARE(o.get(QStringLiteral("Skill"))->palette().color(QPalette::Base), pf);
    QCOMPARE(o.get(QStringLiteral("Hooprix"))->palette().color(QPalette::Base), pf);
    QCOMPARE(o.get(QStringLiteral("Jieshao"))->palette().color(QPalette::Window), pf);
}

void SkillsTest::detailsShowAndSwitchingClearsThem()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    Build build(QStringLiteral("C"), QString());
    Opened o(world, build.engine);
    o.clickEntry(QStringLiteral("Skill"), 0);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("勾手"));
    const QStringList shown{o.text("BiBeiZhiShu"), o.text("Leixing"), o.text("Zhiye"), o.text("Dengji"),
                            o.text("Jiage"), o.text("Chufatiaojian"), o.text("Qitashuoming")};
    QCOMPARE(shown, QStringList({"★★★★☆", "主动技能", "C", "8级", "", "篮下背身", "难以封盖"}));

    // An entry without a section of its own shows empty details.
    o.clickEntry(QStringLiteral("Hooprix"), 0);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("转身"));
    QCOMPARE(o.text(QStringLiteral("BiBeiZhiShu")), QString());
    QCOMPARE(o.text(QStringLiteral("Leixing")), QString());

    QTest::mouseClick(o.get(QStringLiteral("SF")), Qt::LeftButton);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("未选中技能或花式动作"));
    QCOMPARE(o.text(QStringLiteral("BiBeiZhiShu")), QStringLiteral("☆☆☆☆☆"));
    QCOMPARE(o.text(QStringLiteral("Qitashuoming")), QString());
    o.clickEntry(QStringLiteral("Hooprix"), 0);
    QCOMPARE(o.text(QStringLiteral("Jiage")), QStringLiteral("900街币"));
}

void SkillsTest::forwardWithSmallForwardPickedOpensOnSmallForward()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    Build build(QStringLiteral("F"), QStringLiteral("SF"));
    Opened o(world, build.engine);
    QCOMPARE(o.chosen(), QStringLiteral("SF"));
    QCOMPARE(o.items(QStringLiteral("Skill")), QStringList({"急停"}));

    // Reopened with another build: opens afresh on that build's position.
    o.window.close();
    Build guard(QStringLiteral("G"), QString());
    SkillsWindow second(guard.engine, &world.main());
    second.show();
    QCOMPARE(second.findChild<QRadioButton *>(QStringLiteral("SG"))->isChecked(), true);
}

void SkillsTest::databaseStaysByteIdentical()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    const auto hash = [&] {
        QFile f(world.databasePath());
        return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                           : QByteArray();
    };
    const QByteArray before = hash();
    Build build(QStringLiteral("C"), QString());
    {
        Opened o(world, build.engine);
        // Absent keys, empty values and a section that is not there.
        for (const char *position : {"PF", "SF", "SG", "PG", "C"})
            QTest::mouseClick(o.get(QLatin1String(position)), Qt::LeftButton);
        o.clickEntry(QStringLiteral("Skill"), 0);
        o.clickEntry(QStringLiteral("Hooprix"), 0);
        o.window.close();
    }
    QCOMPARE(hash(), before);
}

void SkillsTest::reopenedWindowStartsAfresh()
{
    // The same window object reopened, as the program does, after the main
    // window's character changed to one that opens on no position.
    AssistantWorld world;
    world.writeDatabase(Database);
    BuildEngine engine([](const QString &name) {
        CharacterRecord r;
        r.name = name;
        r.positionClass = name == u"中锋" ? QStringLiteral("C") : QString();
        return r;
    });
    engine.Xingming_Click(QStringLiteral("中锋"));
    SkillsWindow window(engine, &world.main());
    window.show();
    QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("C"))->isChecked());
    window.close();

    engine.Xingming_Click(QStringLiteral("无名"));
    window.show();
    for (QRadioButton *b : window.findChildren<QRadioButton *>())
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    auto *skills = window.findChild<QListWidget *>(QStringLiteral("Skill"));
    QCOMPARE(skills->count(), 0);
    QTest::mouseClick(window.findChild<QRadioButton *>(QStringLiteral("C")), Qt::LeftButton);
    QCOMPARE(skills->count(), 3);
}

void SkillsTest::detailsFollowTheSelectionOnly()
{
    AssistantWorld world;
    world.writeDatabase(Database);
    Build build(QStringLiteral("C"), QString());
    Opened o(world, build.engine);
    o.clickEntry(QStringLiteral("Skill"), 0);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("勾手"));
    // Another position clears the lists; the list then getting the focus
    // makes its first row current without selecting it: nothing shows.
    QTest::mouseClick(o.get(QStringLiteral("SF")), Qt::LeftButton);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(o.get<QListWidget>(QStringLiteral("Skill")), &focus);
    QCOMPARE(o.get<QListWidget>(QStringLiteral("Skill"))->currentRow(), 0);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("未选中技能或花式动作"));
    // Selecting by keyboard shows the entry.
    QTest::keyClick(o.get(QStringLiteral("Hooprix")), Qt::Key_Down);
    QCOMPARE(o.text(QStringLiteral("Mingcheng")), QStringLiteral("胯下"));
}

void SkillsTest::detailsShownAsWritten()
{
    // Every field of one skill starts with markup naming a FIFO as a picture.
    FifoTrap trap;
    QVERIFY(trap.ready());
    const QString name = trap.markup(QStringLiteral("勾手"));
    QString text = u"[C]\r\n技能1=" + name + u"\r\n[" + name + u"]\r\n";
    QStringList details;
    for (const char *key : {"必备指数", "类型", "职业", "等级", "价格", "触发条件", "其他说明"}) {
        details.append(trap.markup(QString::fromUtf8(key)));
        text += QString::fromUtf8(key) + u'=' + details.last() + QStringLiteral("\r\n");
    }
    AssistantWorld world;
    world.writeDatabase(text);
    Build build(QStringLiteral("C"), QString());
    Opened o(world, build.engine);
    o.clickEntry(QStringLiteral("Skill"), 0);
    QVERIFY(shownAsWritten(o.get<QLabel>(QStringLiteral("Mingcheng")), name));
    const char *labels[] = {"BiBeiZhiShu", "Leixing", "Zhiye", "Dengji", "Jiage", "Chufatiaojian", "Qitashuoming"};
    for (int i = 0; i < 7; ++i)
        QVERIFY2(shownAsWritten(o.get<QLabel>(QLatin1String(labels[i])), details[i]), labels[i]);
    QVERIFY2(!trap.opened(), "the window loaded the picture the database names");
}
