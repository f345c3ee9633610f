#include "ComparisonWindowTest.h"

#include "AppPaths.h"
#include "BesideWindow.h"
#include "ClickLabel.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "ComparisonWiring.h"
#include "Configuration.h"
#include "FifoTrap.h"
#include "Main.h"
#include "SheetWorld.h"
#include "ShownAsWritten.h"
#include "Units.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

QPushButton *button(QWidget *w, const QString &name) { return w->findChild<QPushButton *>(name); }
QLabel *label(QWidget *w, const QString &name) { return w->findChild<QLabel *>(name); }
QString text(QWidget *w, const QString &name) { return label(w, name)->text(); }

// The nineteen keys of slot n holding a build of that character.
QMap<QString, QString> storedBuild(int n, const QString &name)
{
    const QStringList values{name, QStringLiteral("C"), QStringLiteral("中等"), QStringLiteral("11级"),
                             QStringLiteral("无训练"), QStringLiteral("VIP"),
                             QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("60"),
                             QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("60"),
                             QStringLiteral("60"), QStringLiteral("30"), QStringLiteral("30"),
                             QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("60"),
                             QStringLiteral("540")};
    QMap<QString, QString> keys;
    const QStringList names = Configuration::slotKeys(n);
    for (int row = 0; row < ComparisonRowCount; ++row)
        keys.insert(names[row], values[row]);
    return keys;
}

// Lets closed windows go, as the event loop would.
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The one comparison window on screen, or null (also when there are two).
ComparisonWindow *openWindow()
{
    QList<ComparisonWindow *> open;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == u"Nldb" && top->isVisible())
            open.append(qobject_cast<ComparisonWindow *>(top));
    return open.size() == 1 ? open.first() : nullptr;
}

QColor colour(QLabel *l) { return l->palette().color(QPalette::WindowText); }

// Where a comparison window other than the given one stood when it became
// visible (after its own show event, before anything moved it later).
class ShownAt : public QObject {
public:
    explicit ShownAt(QWidget *other) : m_other(other) { qApp->installEventFilter(this); }
    ~ShownAt() override { qApp->removeEventFilter(this); }
    QPoint at;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent && watched != m_other && watched->objectName() == u"Nldb")
            at = static_cast<QWidget *>(watched)->pos();
        return false;
    }

private:
    QWidget *m_other;
};

} // namespace

void ComparisonWindowTest::importStoresTheBuildAtOnceWithItsFallbackTexts()
{
    SheetWorld world;
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    // Meanwhile another window of the program stored a build in slot 3.
    world.store(storedBuild(3, QStringLiteral("石岩")));

    world.build(QStringLiteral("林风"), {QStringLiteral("G"), QStringLiteral("11级")});
    clickOn(button(w, QStringLiteral("ComDR1")));
    world.build(QStringLiteral("云飞"), {QStringLiteral("F"), QStringLiteral("11级"), QStringLiteral("训练Ⅰ"),
                                         QStringLiteral("VIP")});
    clickOn(button(w, QStringLiteral("ComDR2")));

    QCOMPARE(text(w, QStringLiteral("Label_JS1")), QStringLiteral("林风"));
    QCOMPARE(text(w, QStringLiteral("Label_ZY1")), QStringLiteral("G"));
    QCOMPARE(text(w, QStringLiteral("Label_DJ1")), QStringLiteral("11级"));
    QCOMPARE(text(w, QStringLiteral("Label_XL1")), QStringLiteral("无训练"));
    QCOMPARE(text(w, QStringLiteral("Label_VIP1")), QStringLiteral("无VIP"));
    QCOMPARE(text(w, QStringLiteral("Label_XL2")), QStringLiteral("训练Ⅰ"));
    QCOMPARE(text(w, QStringLiteral("Label_VIP2")), QStringLiteral("VIP"));
    // The last build is still the engine's: its values and total, as shown.
    QCOMPARE(text(w, QStringLiteral("Jintou2")), world.engine().abilityText(11));
    QCOMPARE(text(w, QStringLiteral("Zonghe2")), world.engine().totalText());
    QVERIFY(!button(w, QStringLiteral("ComDR1"))->isVisible());
    QVERIFY(button(w, QStringLiteral("ComClear1"))->isVisible());
    QVERIFY(button(w, QStringLiteral("ComClear"))->isEnabled());

    // Stored already, with the window open: a killed program loses nothing.
    const QMap<QString, QString> disk = world.slotsOnDisk();
    QCOMPARE(disk.value(QStringLiteral("juese1")), QStringLiteral("林风"));
    QCOMPARE(disk.value(QStringLiteral("xunlian1")), QStringLiteral("无训练"));
    QCOMPARE(disk.value(QStringLiteral("vip1")), QStringLiteral("无VIP"));
    QCOMPARE(disk.value(QStringLiteral("Zonghe2")), world.engine().totalText());
    // Only the imported slots were written: the other window's build stays.
    QCOMPARE(disk.value(QStringLiteral("juese3")), QStringLiteral("石岩"));

    // All nineteen rows of slot 2, on screen and on disk under their stored names.
    const BuildEngine &e = world.engine();
    const struct {
        const char *label;
        const char *key;
        QString shown;
    } rows[] = {
        {"Label_JS2", "juese2", e.characterName()},        {"Label_ZY2", "zhiye2", e.list(ListId::ZYe).text},
        {"Label_SG2", "shengao2", e.list(ListId::Sgao).text}, {"Label_DJ2", "dengji2", e.list(ListId::Dji).text},
        {"Label_XL2", "xunlian2", QStringLiteral("训练Ⅰ")},   {"Label_VIP2", "vip2", QStringLiteral("VIP")},
        {"Paodong2", "paodong2", e.abilityText(0)},          {"Tantiao2", "tantiao2", e.abilityText(1)},
        {"Duikang2", "duikang2", e.abilityText(2)},          {"Chuanqiu2", "chuanqiu2", e.abilityText(3)},
        {"Yunqiu2", "yunqiu2", e.abilityText(4)},            {"Lanban2", "lanban2", e.abilityText(5)},
        {"Gaimao2", "gaimao2", e.abilityText(6)},            {"Qiangduan2", "qiangduan2", e.abilityText(7)},
        {"Zhongtou2", "zhongtou2", e.abilityText(8)},        {"Sanfen2", "sanfen2", e.abilityText(9)},
        {"Guanlan2", "guanlan2", e.abilityText(10)},         {"Jintou2", "jintou2", e.abilityText(11)},
        {"Zonghe2", "Zonghe2", e.totalText()},
    };
    QCOMPARE(e.characterName(), QStringLiteral("云飞"));
    for (const auto &row : rows) {
        QVERIFY2(!row.shown.isEmpty(), row.label);
        QCOMPARE(text(w, QString::fromLatin1(row.label)), row.shown);
        QCOMPARE(disk.value(QString::fromLatin1(row.key)), row.shown);
    }
}

void ComparisonWindowTest::importWithoutShownValuesWarnsAndChangesNothing()
{
    SheetWorld world;
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    // A position picked again hides the values until the level is chosen.
    world.build(QStringLiteral("林风"), {QStringLiteral("G")});
    QVERIFY(!world.engine().abilitiesVisible());

    clickOn(button(w, QStringLiteral("ComDR2")));
    QCOMPARE(world.messages().count(), 1);
    const MessageBox::Message &m = world.messages().messages().first();
    QCOMPARE(m.title, QStringLiteral("ZR角色助手提示！"));
    QCOMPARE(m.text, QStringLiteral("能力值为空！请先设定出能力值后再试！"));
    QCOMPARE(m.icon, MessageBox::Icon::Warning);
    QCOMPARE(text(w, QStringLiteral("Label_JS2")), QString());
    QVERIFY(button(w, QStringLiteral("ComDR2"))->isVisible());
    QVERIFY(!button(w, QStringLiteral("ComClear"))->isEnabled());
    QVERIFY(world.slotsOnDisk().value(QStringLiteral("juese2")).isEmpty());
}

void ComparisonWindowTest::buttonsFollowTheStoredSlots()
{
    SheetWorld world;
    // A slot with a character but no 跑动 value: it can be cleared, but
    // clearing all is only offered for values.
    world.store({{QStringLiteral("juese2"), QStringLiteral("林风")}, {QStringLiteral("zhiye2"), QStringLiteral("G")}});
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();

    QVERIFY(!button(w, QStringLiteral("ComDR2"))->isVisible());
    QVERIFY(button(w, QStringLiteral("ComClear2"))->isVisible());
    for (const char *empty : {"ComDR1", "ComDR3", "ComDR4", "ComDR5"})
        QVERIFY2(button(w, QString::fromLatin1(empty))->isVisible(), empty);
    QVERIFY(!button(w, QStringLiteral("ComClear"))->isEnabled());

    clickOn(button(w, QStringLiteral("ComClear2")));
    QCOMPARE(text(w, QStringLiteral("Label_ZY2")), QString());
    QVERIFY(button(w, QStringLiteral("ComDR2"))->isVisible());
}

void ComparisonWindowTest::clearingStoresOneSlotOrAll()
{
    SheetWorld world;
    world.store(storedBuild(1, QStringLiteral("林风")));
    world.store(storedBuild(3, QStringLiteral("石岩")));
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    QVERIFY(button(w, QStringLiteral("ComClear"))->isEnabled());
    clickOn(label(w, QStringLiteral("Paodong1"))); // marked red

    clickOn(button(w, QStringLiteral("ComClear1")));
    QCOMPARE(text(w, QStringLiteral("Label_JS1")), QString());
    QVERIFY(button(w, QStringLiteral("ComDR1"))->isVisible());
    QVERIFY(button(w, QStringLiteral("ComClear"))->isEnabled()); // slot 3 still holds a build
    QCOMPARE(colour(label(w, QStringLiteral("Paodong1"))), QColor(255, 0, 0)); // marks stay
    QMap<QString, QString> disk = world.slotsOnDisk();
    QVERIFY(disk.contains(QStringLiteral("Zonghe1")) && disk.value(QStringLiteral("Zonghe1")).isEmpty());
    QCOMPARE(disk.value(QStringLiteral("juese3")), QStringLiteral("石岩"));

    clickOn(button(w, QStringLiteral("ComClear")));
    QVERIFY(!button(w, QStringLiteral("ComClear"))->isEnabled());
    for (int n = 1; n <= 5; ++n)
        QVERIFY(button(w, QStringLiteral("ComDR%1").arg(n))->isVisible());
    disk = world.slotsOnDisk();
    QCOMPARE(disk.size(), 95);
    for (auto it = disk.cbegin(); it != disk.cend(); ++it)
        QVERIFY2(it.value().isEmpty(), qPrintable(it.key()));
}

void ComparisonWindowTest::opensBesideTheMainWindow()
{
    SheetWorld world;
    QWidget &main = world.mainWindow();
    const int gap = twipsToPixels(ComparisonWindow::GapTwips);
    const auto outer = [](const QWidget *w) { return BesideWindow::outerGeometry(w); };
    ComparisonWindows windows(world.engine(), &main);

    // Room on the right of the main window.
    QPointer<ComparisonWindow> w = windows.open();
    const int width = outer(w).width();
    QCOMPARE(outer(w).topLeft(), QPoint(outer(&main).right() + 1 + gap, outer(&main).top()));
    w->close();
    settle();

    // The main window at the screen's right edge: left of it.
    const QRect screen = main.screen()->availableGeometry();
    QCOMPARE(screen.width(), 800); // the offscreen screen: no room for two windows side by side
    main.move(screen.right() + 1 - outer(&main).width(), 60);
    w = windows.open();
    QCOMPARE(outer(w).topLeft(), QPoint(outer(&main).left() - width - gap, 60));
    w->close();
    settle();
    // Room on neither side, low on the screen: the right, which has more
    // room, then inward until it fits, against the right and bottom edges.
    main.move(330, 500);
    w = windows.open();
    QCOMPARE(outer(w).bottomRight(), screen.bottomRight());
}

void ComparisonWindowTest::marksEndBlackAndRegularAfterADoubleClick()
{
    SheetWorld world;
    world.store(storedBuild(2, QStringLiteral("石岩")));
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    QLabel *cell = label(w, QStringLiteral("Gaimao2"));
    QLabel *header = label(w, QStringLiteral("Label_JS"));

    clickOn(header, Qt::RightButton);
    QCOMPARE(colour(header), QColor(0, 128, 128));
    clickOn(cell, Qt::MiddleButton);
    QVERIFY(cell->font().bold());
    clickOn(cell, Qt::LeftButton);
    QCOMPARE(colour(cell), QColor(255, 0, 0));
    QVERIFY(cell->font().bold());

    QTest::mouseDClick(cell, Qt::LeftButton, {}, cell->rect().center());
    QCOMPARE(colour(cell), QColor(0, 0, 0));
    QVERIFY(!cell->font().bold());
    // Each label is marked on its own.
    QCOMPARE(colour(header), QColor(0, 128, 128));
    QCOMPARE(colour(label(w, QStringLiteral("Gaimao1"))), QColor(0, 0, 0));
}

void ComparisonWindowTest::secondWindowAndItsLinks()
{
    SheetWorld world;
    world.store(storedBuild(4, QStringLiteral("石岩")));
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    QPointer<ComparisonWindow> first = windows.open();
    // Moved by the user: the second window still takes its top from the
    // main window.
    first->move(first->pos() + QPoint(0, 40));

    QPoint shownAt;
    {
        ShownAt watch(first);
        clickOn(first->Zj);
        shownAt = watch.at;
    }
    QPointer<ComparisonWindow> second = windows.secondWindow();
    QVERIFY(second && second->isVisible());
    QVERIFY2(shownAt == second->pos(), "the second window showed elsewhere and moved after");
    QCOMPARE(second->windowTitle(), QStringLiteral("能力对比㈡ - ZR角色助手 "));
    // Right against the first window, but the 800-pixel screen ends first:
    // moved inward to its right edge.
    QVERIFY(BesideWindow::outerGeometry(first).right() + BesideWindow::outerGeometry(second).width()
            > BesideWindow::screenArea().right());
    QCOMPARE(BesideWindow::outerGeometry(second).right(), BesideWindow::screenArea().right());
    QCOMPARE(BesideWindow::outerGeometry(second).top(), BesideWindow::outerGeometry(&world.mainWindow()).top());
    QCOMPARE(text(second, QStringLiteral("Label_JS4")), QStringLiteral("石岩"));
    QVERIFY(!first->Zj->isEnabled());
    QVERIFY(!second->Zj->isEnabled());

    second->close();
    settle();
    QVERIFY(first->Zj->isEnabled());

    clickOn(first->Zj);
    second = windows.secondWindow();
    first->close();
    settle();
    QVERIFY(second && !second->Zj->isEnabled());
    // The default window opened again beside the second one offers no third.
    first = windows.open();
    QVERIFY(!first->Zj->isEnabled());
    second->close();
    settle();
    QVERIFY(first->Zj->isEnabled());
}

void ComparisonWindowTest::theWindowClosedLastDecides()
{
    SheetWorld world;
    world.store(storedBuild(2, QStringLiteral("石岩")));
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    QPointer<ComparisonWindow> first = windows.open();
    clickOn(first->Zj);
    QPointer<ComparisonWindow> second = windows.secondWindow();

    clickOn(button(first, QStringLiteral("ComClear2")));
    QVERIFY(world.slotsOnDisk().value(QStringLiteral("juese2")).isEmpty());
    // The second window still shows the build; unchanged, it writes nothing on closing.
    first->close();
    second->close();
    QVERIFY(world.slotsOnDisk().value(QStringLiteral("juese2")).isEmpty());

    // Of two changed windows, the one closed last stores all it shows.
    world.store(storedBuild(2, QStringLiteral("石岩")));
    world.store(storedBuild(3, QStringLiteral("石岩")));
    first = windows.open();
    clickOn(first->Zj);
    second = windows.secondWindow();
    clickOn(button(first, QStringLiteral("ComClear2")));
    clickOn(button(second, QStringLiteral("ComClear3")));
    first->close();
    second->close();
    QCOMPARE(world.slotsOnDisk().value(QStringLiteral("juese2")), QStringLiteral("石岩"));
    QCOMPARE(world.slotsOnDisk().value(QStringLiteral("juese3")), QString());
}

void ComparisonWindowTest::closingWithoutAChangeWritesNothing()
{
    SheetWorld world;
    QMap<QString, QString> build = storedBuild(1, QStringLiteral("石岩"));
    build.insert(QStringLiteral("juese1"), QString(200, u'长')); // only a hand edit makes one this long
    world.store(build);
    QFile file(world.configPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    windows.open()->close();
    settle();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void ComparisonWindowTest::reopeningShowsTheStoredBuilds()
{
    SheetWorld world;
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    // Opened and closed on an empty configuration: nothing changed, nothing written.
    windows.open()->close();
    settle();
    QCOMPARE(world.slotsOnDisk().size(), 0);

    world.build(QStringLiteral("石岩"), {QStringLiteral("C"), QStringLiteral("11级"), QStringLiteral("训练Ⅰ")});
    QPointer<ComparisonWindow> w = windows.open();
    clickOn(button(w, QStringLiteral("ComDR2")));
    w->close();
    settle();
    QVERIFY(!w);

    w = windows.open();
    QCOMPARE(text(w, QStringLiteral("Label_JS2")), QStringLiteral("石岩"));
    QCOMPARE(text(w, QStringLiteral("Label_XL2")), QStringLiteral("训练Ⅰ"));
    QCOMPARE(text(w, QStringLiteral("Label_VIP2")), QStringLiteral("无VIP"));
    QCOMPARE(text(w, QStringLiteral("Zonghe2")), world.engine().totalText());
    QVERIFY(button(w, QStringLiteral("ComClear2"))->isVisible());
    QVERIFY(button(w, QStringLiteral("ComClear"))->isEnabled());
}

void ComparisonWindowTest::exitingWithTheWindowOpenSavesIt()
{
    SheetWorld world;
    AppPaths::setDataDir(world.dataDir());
    world.store(storedBuild(4, QStringLiteral("石岩")));
    Main main;
    wireComparison(main);
    main.show();

    clickOn(main.Label_NLDB);
    ComparisonWindow *w = openWindow();
    QVERIFY(w);
    QCOMPARE(w->windowModality(), Qt::NonModal);
    QCOMPARE(text(w, QStringLiteral("Label_JS4")), QStringLiteral("石岩"));
    // A second click brings the same window forward.
    clickOn(main.Label_NLDB);
    QCOMPARE(openWindow(), w);

    // A change, then the file gone from disk; the program's end writes the table again.
    clickOn(button(w, QStringLiteral("ComClear4")));
    QVERIFY(QFile::remove(world.configPath()));
    main.close(); // fades out, then the exit routine closes every window
    for (int tick = 0; tick < 100 && main.isVisible(); ++tick)
        main.Timer3_Timer();
    QVERIFY(!main.isVisible());
    const QMap<QString, QString> disk = world.slotsOnDisk();
    QCOMPARE(disk.size(), 95);
    QCOMPARE(disk.value(QStringLiteral("juese4")), QString());
    QCOMPARE(disk.value(QStringLiteral("Zonghe4")), QString());
}

void ComparisonWindowTest::storedTextShownAsWritten()
{
    // Every key of slot 1 starts with markup naming a FIFO as a picture, as
    // a hand-edited configuration may.
#ifdef Q_OS_WIN
    QSKIP("needs a FIFO, which Windows does not have");
#endif
    FifoTrap trap;
    QVERIFY(trap.ready());
    SheetWorld world;
    QMap<QString, QString> keys;
    const QStringList names = Configuration::slotKeys(1);
    for (int row = 0; row < ComparisonRowCount; ++row)
        keys.insert(names[row], trap.markup(QString::number(row)));
    world.store(keys);
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    for (int row = 0; row < ComparisonRowCount; ++row)
        QVERIFY2(shownAsWritten(w->cell(1, row), keys.value(names[row])), qPrintable(names[row]));
    QVERIFY2(!trap.opened(), "the window loaded the picture the configuration names");
}
