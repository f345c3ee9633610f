// What a screen reader finds in every window, and a build made with the
// keyboard alone, checked against zrc-cli.

#include "AbilityExplanations.h"
#include "AppPaths.h"
#include "ApplyPicks.h"
#include "AssistantWiring.h"
#include "BestBuildWiring.h"
#include "BrowserTexts.h"
#include "BuildState.h"
#include "BesideWindow.h"
#include "ComparisonWiring.h"
#include "MessageRecorder.h"
#include "MonkeyWindows.h"
#include "OpenPage.h"
#include "PingEcho.h"
#include "RadarWindow.h"
#include "SettingsPages.h"
#include "SpokenAbility.h"
#include "ZoneWiring.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

class QuietEcho : public mPing::Backend {
public:
    mPing::Echo ping(std::uint32_t) override { return mPing::Echo::success(20); }
};

// A control a player can operate: it needs a name, or a caption naming it.
bool interactive(QWidget *w)
{
    if (auto *link = qobject_cast<ClickLabel *>(w))
        return link->hasClickAction();
    if (qobject_cast<QScrollBar *>(w))
        return false; // part of the view it scrolls
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w)
        || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractSlider *>(w)
        || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractItemView *>(w);
}

// What is wrong with the shown controls of a window, as a screen reader
// would meet them; empty when nothing is.
QStringList problemsOf(QWidget *window)
{
    QStringList frameCaptions;
    for (QGroupBox *frame : window->findChildren<QGroupBox *>())
        frameCaptions << frame->title();
    QStringList problems;
    const auto problem = [&](QWidget *w, const QString &what) {
        problems << window->objectName() + u'/' + w->objectName() + u" (" + w->metaObject()->className() + u"): "
                        + what;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<ClickLabel *>(w); label && !label->hasClickAction()) {
            if (label->focusPolicy() & Qt::TabFocus)
                problem(w, QStringLiteral("a label that only marks takes Tab"));
            continue;
        }
        if (!interactive(w))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface) {
            problem(w, QStringLiteral("no accessible interface"));
            continue;
        }
        const QString name = iface->text(QAccessible::Name);
        // A control straight on a frame is labelled by the frame's caption
        // as well: right for a choice among the frame's buttons, wrong for a
        // list, which a screen reader names by its labels alone.
        bool captioned = false;
        for (const auto &[other, relation] : iface->relations(QAccessible::Label)) {
            if (!qobject_cast<QGroupBox *>(other->object()))
                captioned = captioned || !other->text(QAccessible::Name).trimmed().isEmpty();
            else if (qobject_cast<QComboBox *>(w))
                problem(w, u"labelled by the frame “" + other->text(QAccessible::Name) + u'”');
        }
        if (!name.isEmpty() && frameCaptions.contains(name))
            problem(w, u"named by the frame’s caption “" + name + u'”');
        // A list that shows an item is named by that item: its caption
        // must come through the Label relation, unless it has a name of its own.
        if (qobject_cast<QComboBox *>(w) ? !captioned && w->accessibleName().isEmpty()
                                         : name.trimmed().isEmpty() && !captioned)
            problem(w, QStringLiteral("neither a name nor a caption"));
        if (auto *link = qobject_cast<ClickLabel *>(w)) {
            if (iface->role() != QAccessible::Link)
                problem(w, QStringLiteral("a link that doesn't read as a link"));
            if (!iface->actionInterface()
                || !iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                problem(w, QStringLiteral("a link without the action Press"));
            if (!(link->focusPolicy() & Qt::TabFocus))
                problem(w, QStringLiteral("a link Tab doesn't reach"));
        }
    }
    return problems;
}

// Sample data and configuration in a folder of the test's own.
class SampleCopy {
public:
    SampleCopy()
    {
        const QDir sample(QStringLiteral(ZRC_TEST_SAMPLE_DIR));
        for (const QString &name : {QStringLiteral("ZRCdata.dat"), QStringLiteral("ZRCendpoints.ini"),
                                    QStringLiteral("说明文档.txt")})
            QFile::copy(sample.filePath(name), m_dir.filePath(name));
        for (const QString &folder : {QStringLiteral("ZRCimages"), QStringLiteral("pages")}) {
            QDir().mkpath(m_dir.filePath(folder));
            for (const QString &name : QDir(sample.filePath(folder)).entryList(QDir::Files))
                QFile::copy(sample.filePath(folder + u'/' + name), m_dir.filePath(folder + u'/' + name));
        }
        AppPaths::init({QStringLiteral("--data-dir"), m_dir.path(), QStringLiteral("--config"),
                        m_dir.filePath(QStringLiteral("config/ZRCconfig.ini"))});
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// A key pressed on the window that has the keyboard, as a person presses it:
// it reaches the focused control, or the open list.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : window;
    QTest::keyClick(target->windowHandle(), key, modifiers);
}

// The main window shown and active, with its portrait up beside it: the
// portrait follows the first paint, and where showing a window activates it
// (offscreen), the main window takes the keyboard back.
bool showActive(Main &main)
{
    main.show();
    main.activateWindow();
    return QTest::qWaitFor([&main] { return main.portrait()->isVisible(); })
        && QTest::qWaitForWindowActive(&main);
}

// A complete build of the sample's 陆星河: every settings page, every kind
// of list (second steps, special items, teammates).
const QString Character = QStringLiteral("陆星河");
const QStringList Picks{
    QStringLiteral("ZYe=PG"), QStringLiteral("Dji=45级"), QStringLiteral("Xlian=训练Ⅱ"), QStringLiteral("Vip=VIP"),
    QStringLiteral("Youxie1=中投+11"), QStringLiteral("Youxie2=跑动+10"), QStringLiteral("Jiaqiangbao1=近投+2"),
    QStringLiteral("Jiaqiangbao2=篮板+2"), QStringLiteral("Xinshouzhuang=对抗+3"), QStringLiteral("Faxing=篮板龙头"),
    QStringLiteral("Toubeibu=盖帽角"), QStringLiteral("Shoujianbu=灌篮+3"), QStringLiteral("Tuijiaobu=近投+3"),
    QStringLiteral("DuiyouA1=对抗角"), QStringLiteral("DuiyouA2=灌篮龙头"), QStringLiteral("DuiyouB1=近投角"),
    QStringLiteral("DuiyouB2=弹跳龙头"),
};

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_sample = std::make_unique<SampleCopy>(); }
    void cleanup() { m_sample.reset(); }

    void everyWindowNamesItsControls();
    void settingsListsPickOnlyWhenOpen();
    void keyboardBuildMatchesTheCommandLine();
    void linksWorkFromTheKeyboard();
    void valuesReadWithTheirMarkers();
    void mainWindowTabOrder();
    void windowsStayOnTheScreen();

private:
    bool pickByKeys(Main &main, QComboBox *list, const QString &item);
    std::unique_ptr<SampleCopy> m_sample;
};

void AccessTest::everyWindowNamesItsControls()
{
    MessageRecorder messages;
    setPageOpener([](const QUrl &) { return true; });
    mPing::setBackend(std::make_shared<QuietEcho>());
    Main main;
    wireComparison(main);
    wireAssistants(main);
    wireZonePing(main);
    wireBestBuild(main);
    MonkeyProgram program{main, nullptr};
    QStringList problems;
    // Every window, opened as a player opens it; the main window once more
    // with a build shown (the team label, values, second lists, results).
    for (const MonkeyWindow &w : MonkeyWindows) {
        w.open(program);
        QApplication::processEvents();
        if (QWidget *window = w.find(program))
            problems << problemsOf(window);
        else
            problems << QString::fromLatin1(w.name) + QStringLiteral(": didn't open");
    }
    QCOMPARE(applyPicks(main, {Character, {{ListId::ZYe, QStringLiteral("PG")}, {ListId::Dji, QStringLiteral("45级")},
                                           {ListId::Xlian, QStringLiteral("训练Ⅱ")}, {ListId::Vip, QStringLiteral("VIP")},
                                           {ListId::Youxie1, QStringLiteral("中投+11")}}}),
             5);
    // Every settings page, the hidden ones too: each shown in turn as a
    // player shows it, by a double-click on its caption.
    for (int page = 0; page < 4; ++page) {
        problems << problemsOf(&main);
        QLabel *caption = nullptr;
        for (QLabel *l : main.Settings->findChildren<QLabel *>(QStringLiteral("PageCaption")))
            if (l->isVisibleTo(&main))
                caption = l;
        QVERIFY(caption);
        const QString before = caption->parentWidget()->objectName();
        QTest::mouseDClick(caption, Qt::LeftButton);
        QVERIFY2(!caption->isVisibleTo(&main), qPrintable(before + u" is still the page shown"));
    }
    // Windows opened from other windows.
    ComparisonWindow *comparison = comparisons(main)->defaultWindow();
    comparison->RadarLink_Click();
    if (comparison->radar())
        problems << problemsOf(comparison->radar());
    else
        problems << QStringLiteral("Radar: didn't open");
    for (const QString &p : problems)
        qWarning("%s", qPrintable(p));
    QVERIFY2(problems.isEmpty(), "a control a screen reader can't name (listed above)");

    // All 27 lists as a screen reader meets them, shown or not: the first
    // list of a row by its caption (the Label relation, as the bridge sends
    // it), the second by a name of its own.
    const QList<std::pair<const char *, QString>> lists{
        {"Qiudui", QStringLiteral("球队")}, {"Xingming", QStringLiteral("角色")},
        {"ZYe", QStringLiteral("职业")}, {"Sgao", QStringLiteral("身高")}, {"Dji", QStringLiteral("等级")},
        {"Xlian", QStringLiteral("训练")}, {"Vip", QStringLiteral("VIP")},
        {"Youxie1", QStringLiteral("有鞋装")}, {"Youxie2", QStringLiteral("有鞋装（第二项）")},
        {"Wuxie", QStringLiteral("无鞋装")},
        {"Shangyi1", QStringLiteral("上衣")}, {"Shangyi2", QStringLiteral("上衣（第二项）")},
        {"Xiayi1", QStringLiteral("下衣")}, {"Xiayi2", QStringLiteral("下衣（第二项）")},
        {"Xiezi1", QStringLiteral("鞋子")}, {"Xiezi2", QStringLiteral("鞋子（第二项）")},
        {"Jiaqiangbao1", QStringLiteral("加强包")}, {"Jiaqiangbao2", QStringLiteral("加强包（第二项）")},
        {"Xinshouzhuang", QStringLiteral("新手装")}, {"Faxing", QStringLiteral("发型")},
        {"Toubeibu", QStringLiteral("装饰一")}, {"Shoujianbu", QStringLiteral("装饰二")},
        {"Tuijiaobu", QStringLiteral("装饰三")},
        {"DuiyouA1", QStringLiteral("队友A角")}, {"DuiyouA2", QStringLiteral("队友A龙头")},
        {"DuiyouB1", QStringLiteral("队友B角")}, {"DuiyouB2", QStringLiteral("队友B龙头")},
    };
    QStringList heard, expected;
    for (const auto &[name, spoken] : lists) {
        auto *box = main.findChild<QComboBox *>(QLatin1String(name));
        QVERIFY2(box, name);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        QStringList labels;
        for (const auto &[other, relation] : iface->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        const bool second = spoken.endsWith(QStringLiteral("（第二项）"));
        heard << QLatin1String(name) + u": " + (second ? iface->text(QAccessible::Name) : labels.join(u'|'));
        expected << QLatin1String(name) + u": " + spoken;
    }
    QCOMPARE(heard, expected);
    // Values read with caption and marker; the comparison cells with row and slot.
    const QString running = QAccessible::queryAccessibleInterface(main.Paodong)->text(QAccessible::Name);
    QVERIFY2(running.startsWith(u"跑动 " + main.Paodong->text() + u'，'), qPrintable(running));
    comparison->ComDR_Click(2);
    QCOMPARE(QAccessible::queryAccessibleInterface(comparison->cell(2, 0))->text(QAccessible::Name),
             u"角色，第2栏：" + Character);
}

// Picks an item the way a keyboard user does: the list must have the focus
// (Tab moves on to it if the wizard didn't put it there), F4 opens it, Home
// and Down move to the item, Enter picks.
bool AccessTest::pickByKeys(Main &main, QComboBox *list, const QString &item)
{
    for (int i = 0; i < 80 && QApplication::focusWidget() != list; ++i)
        press(&main, Qt::Key_Tab);
    if (QApplication::focusWidget() != list) {
        qWarning("Tab doesn't reach %s", qPrintable(list->objectName()));
        return false;
    }
    const int index = list->findText(item);
    if (index < 0)
        return false;
    press(&main, Qt::Key_F4);
    if (!list->view()->isVisible())
        return false;
    press(&main, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        press(&main, Qt::Key_Down);
    press(&main, Qt::Key_Return);
    return list->currentText() == item && !list->view()->isVisible();
}

void AccessTest::settingsListsPickOnlyWhenOpen()
{
    MessageRecorder messages;
    Main main;
    QVERIFY(showActive(main));
    QVERIFY(pickByKeys(main, main.Xingming, Character));
    QComboBox *position = main.Settings->ZYe;
    QCOMPARE(QApplication::focusWidget(), position);

    // Closed: arrows, paging, typing and the wheel pick nothing.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_P})
        press(&main, key);
    QWheelEvent wheel(QPointF(5, 5), position->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(position, &wheel);
    QCOMPARE(position->currentIndex(), -1);
    QVERIFY(main.engine().list(ListId::ZYe).text.isEmpty());

    // Space, F4 and Alt+Down open it; Escape closes it with nothing picked.
    for (auto [key, modifiers] : {std::pair{Qt::Key_Space, Qt::NoModifier}, std::pair{Qt::Key_F4, Qt::NoModifier},
                                  std::pair{Qt::Key_Down, Qt::AltModifier}}) {
        press(&main, key, modifiers);
        QVERIFY2(position->view()->isVisible(), "the list doesn't open");
        press(&main, Qt::Key_Down);
        press(&main, Qt::Key_Escape);
        QVERIFY(!position->view()->isVisible());
        QCOMPARE(position->currentIndex(), -1);
    }
    QVERIFY(main.engine().list(ListId::ZYe).text.isEmpty());
    QCOMPARE(messages.count(), 0);
}

void AccessTest::keyboardBuildMatchesTheCommandLine()
{
    MessageRecorder messages;
    Main main;
    QVERIFY(showActive(main));
    QCOMPARE(QApplication::focusWidget(), main.Xingming);
    QVERIFY(pickByKeys(main, main.Xingming, Character));
    for (const QString &pick : Picks) {
        const QString list = pick.section(u'=', 0, 0), item = pick.section(u'=', 1);
        QVERIFY2(pickByKeys(main, main.Settings->combo(*listByName(list)), item), qPrintable(pick));
    }
    QCOMPARE(messages.count(), 0);

    QProcess cli;
    cli.start(QStringLiteral(ZRC_CLI),
              QStringList{QStringLiteral("build"), QStringLiteral("--data-dir"), m_sample->path(),
                          QStringLiteral("--json"), Character} + Picks);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject expected = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    const QJsonObject shown = buildStateJson(main.engine());
    for (const char *key : {"character", "values", "total", "markers", "red", "abilities_visible", "lists"})
        QVERIFY2(shown.value(QLatin1String(key)) == expected.value(QLatin1String(key)), key);
    // Complete: nothing left to pick.
    for (int i = 1; i < ListCount; ++i)
        QVERIFY2(!main.Settings->combo(ListId(i))->isEnabled() || main.Settings->combo(ListId(i))->isHidden(),
                 qPrintable(listName(ListId(i))));
}

void AccessTest::linksWorkFromTheKeyboard()
{
    MessageRecorder messages;
    Main main;
    QVERIFY(showActive(main));
    // From the character list Tab goes on through the character frame, then
    // to the first settings list (the portrait link is off while it shows).
    QVERIFY(pickByKeys(main, main.Xingming, Character));
    main.Xingming->setFocus(Qt::TabFocusReason);
    press(&main, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), main.Label_SBKK);
    press(&main, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), main.Settings->ZYe);

    // The focus shows the over look; Enter clicks; leaving puts the look back.
    main.Label_TT->setFocus(Qt::TabFocusReason);
    QVERIFY(main.Label_TT->font().bold() && main.Tantiao->font().bold());
    press(&main, Qt::Key_Return);
    QCOMPARE(main.Tip->text(), AbilityExplanations[1].text.toString());
    press(&main, Qt::Key_Tab);
    QVERIFY(!main.Label_TT->font().bold());
    // Press through the accessible interface, and Space on a page link.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(main.Label_JT);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(main.Tip->text(), AbilityExplanations[11].text.toString());
    main.Settings->d4y1->setFocus(Qt::TabFocusReason);
    QCOMPARE(main.Settings->d4y1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    press(&main, Qt::Key_Space);
    QCOMPARE(main.engine().page(), Page::Frame2_4);
    // A disabled link does nothing.
    QVERIFY(!main.Label_XSTX->isEnabled());
    main.Label_XSTX->activate();
    QCOMPARE(messages.count(), 0);
}

void AccessTest::valuesReadWithTheirMarkers()
{
    const struct {
        QString value, marker, spoken;
    } rows[] = {
        {QStringLiteral("66"), QStringLiteral("2↑"), QStringLiteral("跑动 66，基础值比普通角色高 2")},
        {QStringLiteral("40"), QStringLiteral("13↓"), QStringLiteral("跑动 40，基础值比普通角色低 13")},
        {QStringLiteral("53"), QString(), QStringLiteral("跑动 53，与普通角色相同")},
        {QString(), QString(), QStringLiteral("跑动")},
    };
    for (const auto &row : rows)
        QCOMPARE(spokenAbility(QStringLiteral("跑动"), row.value, row.marker), row.spoken);
}

void AccessTest::mainWindowTabOrder()
{
    // The whole chain, the lists and links of hidden pages included: Tab
    // skips what is hidden or disabled and goes round in this order.
    Main main;
    main.Settings->buildHiddenPages(); // otherwise made just after the first paint
    QStringList chain;
    QWidget *w = main.Qiudui;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w != &main)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != main.Qiudui && chain.size() < 500);
    const QStringList expected = QStringLiteral(
        "Qiudui Qiudui2 Xingming Label_SBKK Label_XSTX "
        "ZYe Sgao Dji Xlian Vip d2y1 d4y1 "
        "Youxie1 Youxie2 Wuxie Shangyi1 Shangyi2 Xiayi1 Xiayi2 Xiezi1 Xiezi2 d1y2 d3y2 "
        "Jiaqiangbao1 Jiaqiangbao2 Xinshouzhuang Faxing Toubeibu Shoujianbu d2y2 d4y2 "
        "Tuijiaobu DuiyouA1 DuiyouA2 DuiyouB1 DuiyouB2 d1y1 d3y1 "
        "Label_PD Label_TT Label_DK Label_CQ Label_YQ Label_LB Label_GM Label_QD Label_ZT Label_SF Label_GL Label_JT "
        "label_ZH Label_NLDB Label_FZNL L_SJzs L_JNzs L_XQzs L_GG L_update Fankui fenxiang").split(u' ');
    QVERIFY2(chain == expected, qPrintable(u"Tab goes " + chain.join(u' ')));
}

// A window's frame as the window manager has it, read from outside the
// program: the client area from the X server, the frame from the manager.
static QRect frameFromOutside(QWidget *w)
{
    const auto run = [](const QStringList &args) {
        QProcess p;
        p.start(args.first(), args.mid(1));
        p.waitForFinished(5000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    };
    const QString id = QString::number(w->winId());
    const QString info = run({QStringLiteral("xwininfo"), QStringLiteral("-id"), id});
    const auto number = [&](const char *label) {
        const qsizetype at = info.indexOf(QLatin1String(label));
        return at < 0 ? 0 : info.mid(at + qstrlen(label)).section(u'\n', 0, 0).trimmed().toInt();
    };
    const QStringList extents = run({QStringLiteral("xprop"), QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")})
                                    .section(u'=', 1).split(u',');
    const int l = extents.value(0).trimmed().toInt(), r = extents.value(1).trimmed().toInt();
    const int t = extents.value(2).trimmed().toInt(), b = extents.value(3).trimmed().toInt();
    return QRect(number("Absolute upper-left X:") - l, number("Absolute upper-left Y:") - t,
                 number("Width:") + l + r, number("Height:") + t + b);
}

void AccessTest::windowsStayOnTheScreen()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("ZRC_TEST_UNDER_WM"))
        QSKIP("needs X11 and a window manager: tests/access/windows-on-screen.sh runs it");
    MessageRecorder messages;
    setPageOpener([](const QUrl &) { return true; });
    mPing::setBackend(std::make_shared<QuietEcho>());
    Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey, QStringLiteral("3.2"));
    Main main;
    wireComparison(main);
    wireAssistants(main);
    wireZonePing(main);
    wireBestBuild(main);
    MonkeyProgram program{main, nullptr};
    program.guide = startThroughGuide(main); // the main window opens where zrc opens it
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(applyPicks(main, {Character, {{ListId::ZYe, QStringLiteral("PG")}, {ListId::Dji, QStringLiteral("45级")}}}) == 2);
    const QRect screen = main.screen()->geometry();
    // Borderless windows (announcement, share) get no frame: shown is enough.
    const auto framed = [](QWidget *w) {
        if (w->windowFlags() & Qt::FramelessWindowHint)
            return QTest::qWaitForWindowExposed(w);
        return QTest::qWaitFor([w] { return BesideWindow::frameMargins(w).top() > 0; }, 5000);
    };
    QVERIFY2(framed(&main), "no window manager framed the main window");
    QTRY_VERIFY_WITH_TIMEOUT(screen.contains(frameFromOutside(&main)), 3000);
    const QRect mainFrame = frameFromOutside(&main);
    qInfo("screen %dx%d, Main at %d,%d %dx%d", screen.width(), screen.height(), mainFrame.x(), mainFrame.y(),
          mainFrame.width(), mainFrame.height());

    QStringList outside;
    const auto check = [&](const QString &name, QWidget *w) {
        if (!w || !framed(w)) {
            outside << name + QStringLiteral(": not shown or never framed");
            return;
        }
        // Placed again once framed: give it the time the frame takes (and
        // report where it is if it never gets inside).
        const bool inside = QTest::qWaitFor([&] { return screen.contains(frameFromOutside(w)); }, 3000);
        Q_UNUSED(inside);
        const QRect at = frameFromOutside(w);
        qInfo("%-16s %5d,%5d %4dx%-4d%s", qPrintable(name), at.x(), at.y(), at.width(), at.height(),
              at.intersects(frameFromOutside(&main)) && w != &main ? "  (covers Main)" : "");
        if (!screen.contains(at))
            outside << QStringLiteral("%1 at %2,%3 %4x%5").arg(name).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
    };
    for (const MonkeyWindow &w : MonkeyWindows) {
        const QString name = QString::fromLatin1(w.name);
        if (name == u"Main" || name == u"News")
            continue;
        w.open(program);
        QWidget *window = w.find(program);
        check(name, window);
        if (name == u"Nldb") {
            auto *comparison = static_cast<ComparisonWindow *>(window);
            comparison->RadarLink_Click();
            check(QStringLiteral("Radar"), comparison->radar());
            if (comparison->radar())
                comparison->radar()->close();
        }
        // One at a time, as a player mostly has them; the main window back.
        if (window && name != u"XsTx")
            window->close();
        main.showNormal();
        QApplication::processEvents();
    }
    // The guide, as a first run after an update shows it.
    main.hide();
    Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey, QStringLiteral("0"));
    program.guide = startThroughGuide(main);
    check(QStringLiteral("News"), program.guide.get());
    for (const QString &o : outside)
        qWarning("%s", qPrintable(o));
    QVERIFY2(outside.isEmpty(), "a window lies outside the screen (listed above)");
}

int main(int argc, char *argv[])
{
    // The pages in the plain view: no web engine here.
    qputenv("ZRC_NO_WEBENGINE", "1");
    QApplication app(argc, argv);
    AccessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_access.moc"
