#include "LevelUpTest.h"

#include "AssistantWorld.h"
#include "ClickLabel.h"
#include "LevelUpDigitBox.h"
#include "LevelUpMath.h"
#include "LevelUpTable.h"
#include "LevelUpWindow.h"
#include "ShareWindowOpen.h"
#include "Units.h"
#include "Versions.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QProcess>
#include <QTest>

namespace {

const QString Lv30Status = QStringLiteral(
    "距离50级还有 95.069937％ 的路程要走！若以每天2000的速度走，需要3101.26天到达50级。");
const QString EmptyStatus = QStringLiteral(
    "距离50级还有 100.000000％ 的路程要走！若以每天2000的速度走，需要3262.08天到达50级。");

// The window as the player sees it after clicking 升级助手.
struct Opened {
    AssistantWorld &world;
    LevelUpWindow window{&world.main()};
    explicit Opened(AssistantWorld &w) : world(w) { window.show(); }
    LevelUpDigitBox *box(const char *name) { return window.findChild<LevelUpDigitBox *>(QLatin1String(name)); }
    QString status() { return window.findChild<QLabel *>(QStringLiteral("Label5"))->text(); }
    ClickLabel *link(const QString &name) { return window.findChild<ClickLabel *>(name); }
};

// Selects the whole text and types over it (an empty text: Backspace).
void retype(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// A key that types a character QTest has no key for.
void typeCharacter(QWidget *box, const QString &character, Qt::KeyboardModifiers held = Qt::NoModifier,
                   int key = 0)
{
    QKeyEvent press(QEvent::KeyPress, key, held, character);
    QApplication::sendEvent(box, &press);
}

// Need texts with 万 and 千, as the table writes them.
int needOf(QStringView need)
{
    int value = 0, part = 0;
    for (QChar c : need) {
        if (c.isDigit())
            part = part * 10 + c.digitValue();
        else if (c == u'万')
            value += part * 10000, part = 0;
        else if (c == u'千')
            value += part * 1000, part = 0;
    }
    return value + part;
}

} // namespace

void LevelUpTest::numbersKeepTheirPatterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");
    QTest::newRow("leading zero stays") << 0.5 << 6 << "0.500000";
    QTest::newRow("percent of Lv30") << 100 - 321645.0 / 6524156 * 100 << 6 << "95.069937";
    QTest::newRow("half rounds away from zero") << 0.015 << 2 << "0.02";
    QTest::newRow("carry into the whole part") << 9.995 << 2 << "10.00";
    QTest::newRow("zero") << 0.0 << 2 << "0.00";
    QTest::newRow("tiny negative is no minus zero") << -0.001 << 2 << "0.00";
    QTest::newRow("below the last decimal") << 1e-9 << 6 << "0.000000";
    QTest::newRow("large") << 6524156.0 / 3 << 2 << "2174718.67";
}

void LevelUpTest::numbersKeepTheirPatterns()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(LevelUpMath::fixedDecimals(value, decimals), text);
}

void LevelUpTest::tableTotalsAddUpStepByStep()
{
    int total = 0;
    for (const LevelStep &row : LevelSteps) {
        total += needOf(row.need);
        QVERIFY2(row.total == total, qPrintable(row.label.toString() + u" does not add up"));
    }
    QCOMPARE(double(LevelSteps.back().total), LevelUpMath::CapTotal);
    QCOMPARE(LevelSteps[29].step, u"*30-31");
}

void LevelUpTest::clickingATotalShowsDistanceAndDays()
{
    AssistantWorld world;
    Opened o(world);
    QTest::mouseClick(o.link(QStringLiteral("Lv30")), Qt::LeftButton);
    QCOMPARE(o.box("Text_Srjy")->text(), QStringLiteral("321645"));
    QCOMPARE(o.status(), Lv30Status);
    QCOMPARE(o.window.barTwips(), 321645 / LevelUpMath::BarScale);
    QVERIFY(o.link(QStringLiteral("fenxiang"))->isEnabled());
}

void LevelUpTest::levelFiftyAndBeyondFillTheBar()
{
    AssistantWorld world;
    Opened o(world);
    retype(o.box("Text_Srjy"), QStringLiteral("6524156"));
    QCOMPARE(o.status(), QStringLiteral("已到达50级啦！"));
    QCOMPARE(o.window.barTwips(), 9675.0);
    retype(o.box("Text_Srjy"), QStringLiteral("6524157"));
    QCOMPARE(o.status(), QStringLiteral("已超越了50级 1 的经验值！"));
    QCOMPARE(o.window.barTwips(), 9675.0);
    // Back to 0: nothing to share, the last status stays.
    retype(o.box("Text_Srjy"), QString());
    QVERIFY(!o.link(QStringLiteral("fenxiang"))->isEnabled());
    QCOMPARE(o.status(), QStringLiteral("已超越了50级 1 的经验值！"));
}

void LevelUpTest::firstOpeningShowsTheDefaultSpeedStatus()
{
    AssistantWorld world;
    Opened o(world);
    QVERIFY(o.box("Text_Srjy")->text().isEmpty());
    QCOMPARE(o.box("Text_Sjsd")->text(), QStringLiteral("2000"));
    QCOMPARE(o.window.barTwips(), 0.0);
    QVERIFY(!o.link(QStringLiteral("fenxiang"))->isEnabled());
    QCOMPARE(o.status(), EmptyStatus);
}

void LevelUpTest::savedEmptyExperienceKeepsTheInitialText()
{
    AssistantWorld world;
    world.writeConfig(QStringLiteral("[zru]\r\nexp=\r\nspeed=2000\r\n"));
    Opened o(world);
    QCOMPARE(o.status(), QStringLiteral("进度条空着，没事做咯！"));
    QCOMPARE(o.box("Text_Sjsd")->text(), QStringLiteral("2000"));
    QVERIFY(!o.link(QStringLiteral("fenxiang"))->isEnabled());
}

void LevelUpTest::emptiedSpeedBoxShows2000Again()
{
    AssistantWorld world;
    world.writeConfig(QStringLiteral("[zru]\r\nexp=321645\r\nspeed=500\r\n"));
    Opened o(world);
    QCOMPARE(o.status(), QStringLiteral(
        "距离50级还有 95.069937％ 的路程要走！若以每天500的速度走，需要12405.02天到达50级。"));
    LevelUpDigitBox *speed = o.box("Text_Sjsd");
    speed->setFocus();
    speed->setCursorPosition(3);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(speed, Qt::Key_Backspace);
    QCOMPARE(speed->text(), QStringLiteral("2000"));
    QCOMPARE(o.status(), Lv30Status);
    // A typed 0 is refilled as well.
    retype(speed, QStringLiteral("0"));
    QCOMPARE(speed->text(), QStringLiteral("2000"));
}

void LevelUpTest::lettersCannotBeTypedButEditingWorks()
{
    AssistantWorld world;
    Opened o(world);
    LevelUpDigitBox *exp = o.box("Text_Srjy");
    exp->setFocus();
    QTest::keyClicks(exp, QStringLiteral("3a2.1 -b"));
    typeCharacter(exp, QStringLiteral("０"));
    QCOMPARE(exp->text(), QStringLiteral("321"));
    QTest::keyClick(exp, Qt::Key_Left);
    QTest::keyClick(exp, Qt::Key_Delete);
    QTest::keyClick(exp, Qt::Key_Home);
    QTest::keyClick(exp, Qt::Key_Delete);
    QCOMPARE(exp->text(), QStringLiteral("2"));
    QTest::keyClick(exp, Qt::Key_End);
    // An input method commits whole words: letters are dropped, digits go in.
    QInputMethodEvent word;
    word.setCommitString(QStringLiteral("经验"));
    QApplication::sendEvent(exp, &word);
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral("45"));
    QApplication::sendEvent(exp, &digits);
    QCOMPARE(exp->text(), QStringLiteral("245"));

    LevelUpDigitBox *speed = o.box("Text_Sjsd");
    speed->setFocus();
    QTest::keyClicks(speed, QStringLiteral("x"));
    QCOMPARE(speed->text(), QStringLiteral("2000"));
}

void LevelUpTest::altGrIsTypingAndShortcutsStillWork()
{
    AssistantWorld world;
    Opened o(world);
    LevelUpDigitBox *exp = o.box("Text_Srjy");
    exp->setFocus();
    // On Windows AltGr arrives as Ctrl+Alt: its characters are typed, and
    // only digits go in.
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    for (const char *typed : {"@", "€", "{", "q", "7"})
        typeCharacter(exp, QString::fromUtf8(typed), altGr);
    typeCharacter(exp, QStringLiteral("|"), altGr | Qt::ShiftModifier);
    QCOMPARE(exp->text(), QStringLiteral("7"));
    // Ctrl alone is a shortcut, even when the key carries a printable text.
    typeCharacter(exp, QStringLiteral("a"), Qt::ControlModifier, Qt::Key_A);
    QCOMPARE(exp->selectedText(), QStringLiteral("7"));
}

void LevelUpTest::pastedTextIsReadByItsLeadingNumber()
{
    AssistantWorld world;
    Opened o(world);
    LevelUpDigitBox *exp = o.box("Text_Srjy");
    exp->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(exp, Qt::Key_V, Qt::ControlModifier);
    if (exp->text().isEmpty())
        exp->insert(QStringLiteral("abc")); // a platform without a clipboard
    QCOMPARE(exp->text(), QStringLiteral("abc"));
    QVERIFY(!o.link(QStringLiteral("fenxiang"))->isEnabled()); // reads as 0
    QCOMPARE(o.status(), EmptyStatus);

    exp->selectAll();
    exp->insert(QStringLiteral("321645经验"));
    QCOMPARE(o.status(), Lv30Status);
    exp->selectAll();
    exp->insert(QStringLiteral("-5"));
    QCOMPARE(o.window.barTwips(), 0.0); // never drawn leftwards
    QVERIFY(o.link(QStringLiteral("fenxiang"))->isEnabled());

    LevelUpDigitBox *speed = o.box("Text_Sjsd");
    speed->selectAll();
    speed->insert(QStringLiteral("天天"));
    QCOMPARE(speed->text(), QStringLiteral("2000"));
}

void LevelUpTest::inputsAreSavedOnCloseAndLoadedOnOpen()
{
    AssistantWorld world;
    {
        Opened o(world);
        QVERIFY(world.main().isMinimized());
        QTest::mouseClick(o.link(QStringLiteral("Lv30")), Qt::LeftButton);
        retype(o.box("Text_Sjsd"), QStringLiteral("500"));
        o.window.close();
        QVERIFY(!world.main().isMinimized());
        QVERIFY2(world.configText().contains(QStringLiteral("[zru]\r\nexp=321645\r\nspeed=500\r\n")),
                 qPrintable(world.configText()));

        // The same window opened again loads what was saved.
        retype(o.box("Text_Srjy"), QStringLiteral("1"));
        o.window.show();
        QCOMPARE(o.box("Text_Srjy")->text(), QStringLiteral("321645"));
        QVERIFY(o.status().contains(QStringLiteral("每天500的速度")));
        QVERIFY(o.link(QStringLiteral("fenxiang"))->isEnabled());

        retype(o.box("Text_Srjy"), QString());
        o.window.close();
    }
    // An emptied box is stored as an empty value.
    QVERIFY2(world.configText().contains(QStringLiteral("exp=\r\n")), qPrintable(world.configText()));

    // Closing without a change writes nothing: a value longer than a read
    // returns (only a hand edit makes one) stays whole.
    const QString longValue = u"[zru]\r\nexp=" + QString(200, u'7') + u"\r\nspeed=500\r\n";
    world.writeConfig(longValue);
    {
        Opened o(world);
        o.window.close();
    }
    QCOMPARE(world.configText(), longValue);
}

void LevelUpTest::shareLinkPostsTheStatusAndChangesLooks()
{
    AssistantWorld world;
    Versions::run().setFver(3.2f);
    QList<QStringList> shared;
    setShareWindowOpen([&](const QString &post, const QString &title) { shared.append({post, title}); });
    Opened o(world);
    QTest::mouseClick(o.link(QStringLiteral("Lv49")), Qt::LeftButton);
    ClickLabel *share = o.link(QStringLiteral("fenxiang"));
    QTest::mouseClick(share, Qt::LeftButton);
    setShareWindowOpen({});
    Versions::run().reset();
    QCOMPARE(shared, QList<QStringList>({{QStringLiteral(
        "Hi！各位街友好！我的%23Hoopra%23角色，当前经验值为6524156，已到达50级啦！"
        "（分享自:%23ZR角色助手%23V3.2丨作者:@QUILON）"), QStringLiteral("分享我的经验值 - ZR角色助手")}}));

    moveOver(share);
    QVERIFY(share->font().bold());
    QCOMPARE(share->palette().color(QPalette::Active, QPalette::WindowText), fromBgr(0xFF0000));
    moveOver(o.window.findChild<QGroupBox *>(QStringLiteral("Frame1")));
    QVERIFY(!share->font().bold());
    QCOMPARE(share->palette().color(QPalette::Active, QPalette::WindowText), fromBgr(0x000080));
}

void LevelUpTest::commandLinePrintsWhatTheWindowShows()
{
    const auto cli = [](const QStringList &args) {
        QProcess p;
        p.start(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"), QStringList{QStringLiteral("levelup")} + args);
        p.waitForFinished(30000);
        return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
    };
    QCOMPARE(cli({QStringLiteral("321645")}), std::pair(0, QString(Lv30Status + u'\n')));
    QCOMPARE(cli({QStringLiteral("6524157"), QStringLiteral("10")}),
             std::pair(0, QStringLiteral("已超越了50级 1 的经验值！\n")));
    // Nothing to show: the window's initial text.
    QCOMPARE(cli({QString()}), std::pair(0, QStringLiteral("进度条空着，没事做咯！\n")));
    QCOMPARE(cli({QStringLiteral("abc"), QString()}), std::pair(0, QString(EmptyStatus + u'\n')));
    QCOMPARE(cli({}).first, 2);

    // Hostile numbers: a negative experience with or without "--", a speed
    // that reads 0 or less or is denormal (refilled as 0 is), and numbers
    // beyond a double's range, which saturate and never print inf or nan.
    const QString huge(400, u'9');
    const QString denormal = u"0." + QString(310, u'0') + u'1';
    const struct {
        QStringList args;
        QString starts;
    } hostile[] = {
        {{QStringLiteral("-5000")}, QStringLiteral("距离50级还有 100.076638％ 的路程要走！若以每天2000的速度走，需要3264.58天")},
        {{QStringLiteral("--"), QStringLiteral("-5000")}, QStringLiteral("距离50级还有 100.076638％")},
        {{QStringLiteral("321645"), QStringLiteral("-10")}, Lv30Status},
        {{QStringLiteral("321645"), QStringLiteral("--"), QStringLiteral("-10")}, Lv30Status},
        {{QStringLiteral("321645"), denormal}, Lv30Status},
        {{huge}, QStringLiteral("已超越了50级 1.79769313486232e+308 的经验值！")},
        {{u'-' + huge}, QStringLiteral("距离50级还有 2755")},
        {{QStringLiteral("1"), u"0." + QString(300, u'0') + u'1'}, QStringLiteral("距离50级还有 99.999985％")},
    };
    for (const auto &h : hostile) {
        const auto [status, out] = cli(h.args);
        const QString what = h.args.join(u' ').left(40) + u": " + out;
        QVERIFY2(status == 0 && out.startsWith(h.starts), qPrintable(what));
        QVERIFY2(!out.contains(u"inf") && !out.contains(u"nan"), qPrintable(what));
    }
}
