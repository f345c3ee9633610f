#include "SettingsPagesTest.h"

#include "MessageRecorder.h"
#include "SettingsPages.h"
#include "TestRecords.h"
#include "Units.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

// Opens the list and clicks the entry, as a player does.
bool userPick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0 || !combo->isEnabled() || !combo->isVisible())
        return false;
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    const QModelIndex mi = view->model()->index(index, 0);
    view->scrollTo(mi);
    QCoreApplication::processEvents();
    const QRect rect = view->visualRect(mi);
    if (!view->viewport()->rect().contains(rect.center()))
        qWarning("entry %d of %s lies outside its popup", index, qPrintable(combo->objectName()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    return true;
}

// Everything the pages show must be what the engine holds.
QStringList differences(const SettingsPages &pages, const BuildEngine &e)
{
    QStringList out;
    for (int i = 0; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        const QString name = listName(ListId(i));
        QComboBox *c = pages.findChild<QComboBox *>(name);
        if (!c) {
            out.append(name + u": no such list on the pages");
            continue;
        }
        QStringList items;
        for (int k = 0; k < c->count(); ++k)
            items.append(c->itemText(k));
        if (items != l.items)
            out.append(name + u" offers " + items.join(u',') + u" instead of " + l.items.join(u','));
        if (c->currentText() != l.text)
            out.append(name + u" shows “" + c->currentText() + u"” instead of “" + l.text + u"”");
        if (c->isEnabled() != l.enabled)
            out.append(name + (l.enabled ? u" is closed" : u" is open"));
        if (c->isVisibleTo(c->parentWidget()) != l.visible)
            out.append(name + (l.visible ? u" is hidden" : u" is shown"));
    }
    for (int i = 0; i < ResultCount; ++i) {
        const ResultLabel &r = e.result(ResultId(i));
        QLabel *label = pages.findChild<QLabel *>(resultName(ResultId(i)));
        if (label->text() != r.text || label->isVisibleTo(label->parentWidget()) != r.visible)
            out.append(resultName(ResultId(i)) + u" shows “" + label->text() + u"”");
    }
    for (Page p : {Page::Frame2, Page::Frame2_2, Page::Frame2_3, Page::Frame2_4}) {
        QFrame *frame = pages.findChild<QFrame *>(pageName(p));
        if (frame->isVisibleTo(&pages) != (e.page() == p))
            out.append(pageName(p) + (e.page() == p ? u" is hidden" : u" is shown"));
    }
    // A list on a hidden page cannot hold the focus; the request stands until shown.
    QWidget *wanted = pages.findChild<QWidget *>(e.focus());
    if (QWidget *f = pages.focusWidget(); wanted && wanted->isVisible() && f != wanted)
        out.append(u"the focus is on " + (f ? f->objectName() : QStringLiteral("nothing")) + u", not " + e.focus());
    return out;
}

} // namespace

void SettingsPagesTest::completeBuildThroughTheCombos()
{
    MessageRecorder messages;
    const CharacterRecord r = makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("可设置"), Fifty);
    BuildEngine engine([r](const QString &) { return r; });
    SettingsPages pages(engine);
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    QTRY_VERIFY(pages.DuiyouB2); // the hidden pages follow the first paint
    QSignalSpy changed(&pages, &SettingsPages::changed);

    engine.Xingming_Click(r.name);
    pages.render(engine);
    pages.ZYe->setFocus();
    QCOMPARE(pages.ZYe->currentIndex(), -1);
    QVERIFY(differences(pages, engine).isEmpty());

    const QList<QPair<QString, QString>> picks{
        {"ZYe", "C"}, {"Dji", "31级"}, {"Sgao", "偏矮"}, {"Xlian", "训练Ⅲ"}, {"Vip", "VIP"},
        {"Youxie1", "不选择"}, {"Wuxie", "不选择"}, {"Shangyi1", "中投+9"}, {"Shangyi2", "灌篮+3"},
        {"Xiayi1", "篮板+7"}, {"Xiayi2", "传球+2"}, {"Xiezi1", "跑动+9"}, {"Xiezi2", "弹跳+3"},
        {"Jiaqiangbao1", "三分+2"}, {"Jiaqiangbao2", "盖帽+2"}, {"Xinshouzhuang", "对抗+3"},
        {"Faxing", "近投龙头"}, {"Toubeibu", "近投角"}, {"Toubeibu", "中投角"}, {"Shoujianbu", "近投+3"},
        {"Tuijiaobu", "抢断+1"}, {"DuiyouA1", "中投角"}, {"DuiyouA1", "灌篮角"}, {"DuiyouA2", "运球龙头"},
        {"DuiyouB1", "不选择"}, {"DuiyouB2", "篮板龙头"}};
    for (const auto &[list, item] : picks) {
        QComboBox *combo = pages.findChild<QComboBox *>(list);
        QVERIFY2(combo, qPrintable(list));
        const int before = int(changed.size());
        QVERIFY2(userPick(combo, item), qPrintable(u"the player could not open " + list + u" to pick " + item));
        QVERIFY2(changed.size() == before + 1, qPrintable(u"picking " + item + u" in " + list + u" did nothing"));
        const QStringList diffs = differences(pages, engine);
        QVERIFY2(diffs.isEmpty(), qPrintable(u"after " + item + u" in " + list + u":\n" + diffs.join(u'\n')));
        // The next list shows nothing picked yet.
        if (auto open = listByName(engine.focus()); open && engine.list(*open).text.isEmpty())
            QCOMPARE(pages.combo(*open)->currentIndex(), -1);
    }
    QCOMPARE(engine.refused(), 2);
    QCOMPARE(messages.count(), 2);
    QCOMPARE(messages.messages()[0].text, QStringLiteral("无法再叠加相同能力！请重新选择！"));
    QCOMPARE(messages.messages()[0].title, QStringLiteral("ZR角色助手提示："));
    QVERIFY(messages.messages()[0].icon == MessageBox::Icon::Warning);
    QCOMPARE(engine.page(), Page::Frame2);
    QVERIFY(pages.Frame2->isVisible());
    QVERIFY(!pages.Frame2_4->isVisible());

    // Rendering again changes nothing and runs no handler.
    const QString state = snapshot(engine);
    pages.render(engine);
    QCOMPARE(snapshot(engine), state);
}

void SettingsPagesTest::pageLinksAndHover()
{
    const CharacterRecord r = makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty);
    BuildEngine engine([r](const QString &) { return r; });
    SettingsPages pages(engine);
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    engine.Xingming_Click(r.name);
    pages.render(engine);

    QCOMPARE(pages.d4y1->text(), QStringLiteral("末 页"));
    QCOMPARE(pages.Sgao->toolTip(), QStringLiteral("比如170-173表示偏矮，174-176表示中等，177-180表示偏高。"));
    QTest::mouseMove(pages.d4y1, pages.d4y1->rect().center());
    QCOMPARE(pages.d4y1->palette().color(QPalette::WindowText), fromBgr(0xFF0000));
    QTest::mouseMove(pages.Frame2, QPoint(5, 5));
    QCOMPARE(pages.d4y1->palette().color(QPalette::WindowText), QColor(Qt::black));

    QTest::mouseClick(pages.d4y1, Qt::LeftButton, {}, pages.d4y1->rect().center());
    QCOMPARE(engine.page(), Page::Frame2_4);
    QVERIFY(pages.Frame2_4->isVisible());
    QVERIFY(!pages.Frame2->isVisible());
    QTest::mouseClick(pages.d3y1, Qt::LeftButton, {}, pages.d3y1->rect().center());
    QVERIFY(pages.Frame2_3->isVisible());
    QTest::mouseClick(pages.d2y2, Qt::LeftButton, {}, pages.d2y2->rect().center());
    QVERIFY(pages.Frame2_2->isVisible());
    QTest::mouseClick(pages.d1y2, Qt::LeftButton, {}, pages.d1y2->rect().center());
    QVERIFY(pages.Frame2->isVisible());
    QVERIFY2(pages.ZYe->isEnabled(), "a page link closed the position list");
}

// Only the shown page is built before the first paint; the others follow it,
// and Tab then runs through every page as it did when all were built at once.
void SettingsPagesTest::hiddenPagesFollowTheFirstPaint()
{
    const CharacterRecord r = makeRecord(QStringLiteral("雷震岳"), QStringLiteral("C"), QStringLiteral("中等"), Fifty);
    BuildEngine engine([r](const QString &) { return r; });
    SettingsPages pages(engine);
    QVERIFY(pages.ZYe && pages.d4y1);
    QVERIFY(!pages.findChild<QComboBox *>(QStringLiteral("Youxie1")));
    QVERIFY(!pages.findChild<QLabel *>(QStringLiteral("d3y1")));
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    QTRY_VERIFY(pages.findChild<QComboBox *>(QStringLiteral("DuiyouB2")));

    const QStringList expected{u"ZYe"_qs, u"Sgao"_qs, u"Dji"_qs, u"Xlian"_qs, u"Vip"_qs, u"d2y1"_qs, u"d4y1"_qs,
                               u"Youxie1"_qs, u"Youxie2"_qs, u"Wuxie"_qs, u"Shangyi1"_qs, u"Shangyi2"_qs,
                               u"Xiayi1"_qs, u"Xiayi2"_qs, u"Xiezi1"_qs, u"Xiezi2"_qs, u"d1y2"_qs, u"d3y2"_qs,
                               u"Jiaqiangbao1"_qs, u"Jiaqiangbao2"_qs, u"Xinshouzhuang"_qs, u"Faxing"_qs,
                               u"Toubeibu"_qs, u"Shoujianbu"_qs, u"d2y2"_qs, u"d4y2"_qs, u"Tuijiaobu"_qs,
                               u"DuiyouA1"_qs, u"DuiyouA2"_qs, u"DuiyouB1"_qs, u"DuiyouB2"_qs, u"d1y1"_qs, u"d3y1"_qs};
    QStringList chain;
    QWidget *w = pages.ZYe;
    do {
        if (qobject_cast<QComboBox *>(w) || (qobject_cast<QLabel *>(w) && w->focusPolicy() != Qt::NoFocus))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != pages.ZYe && chain.size() < expected.size());
    QCOMPARE(chain, expected);

    // Built once: reading a list again builds nothing new.
    const qsizetype lists = pages.findChildren<QComboBox *>().size();
    QCOMPARE(pages.combo(ListId::DuiyouB2)->objectName(), u"DuiyouB2"_qs);
    QCOMPARE(pages.findChildren<QComboBox *>().size(), lists);
}
