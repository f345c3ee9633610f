#include "SheetTransferTest.h"

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "ApplyPicks.h"
#include "CodePage936.h"
#include "ComparisonWindow.h"
#include "FileDialogAnswerer.h"
#include "Main.h"
#include "MessageRecorder.h"
#include "SheetLoader.h"
#include "SheetWiring.h"
#include "SheetWorld.h"
#include "Versions.h"
#include "WindowList.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

PickSequence sequence(const QString &character, std::initializer_list<const char *> picks)
{
    PickSequence s{character, {}};
    for (const char *p : picks) {
        const QString t = QString::fromUtf8(p);
        s.picks.append({*listByName(t.section(u'=', 0, 0)), t.section(u'=', 1)});
    }
    return s;
}

// Functions, not globals: the list names live in another file's statics.
PickSequence guardBuild()
{
    return sequence(u"陆星河"_qs, {"ZYe=PG", "Dji=45级", "Xlian=训练Ⅱ", "Vip=VIP", "Youxie1=中投+11",
                                                  "Youxie2=跑动+10", "Jiaqiangbao1=不选择", "Xinshouzhuang=不选择",
                                                  "Faxing=三分龙头", "Toubeibu=三分角", "Toubeibu=盖帽角",
                                                  "Shoujianbu=不选择", "Tuijiaobu=不选择", "DuiyouA1=不选择",
                                                  "DuiyouA2=不选择", "DuiyouB1=不选择", "DuiyouB2=不选择"});
}
PickSequence otherBuild() { return sequence(u"普通角色"_qs, {"ZYe=C", "Dji=11级"}); }

// The main window on the sample data, with the sheet shortcuts and drops.
struct MainWorld {
    SheetWorld world; // configuration in a temporary folder, recorded messages
    std::unique_ptr<Main> main;
    SheetTransfer *transfer = nullptr;

    MainWorld()
    {
        AppPaths::setDataDir(QStringLiteral(ZRC_TEST_SAMPLE_DIR));
        Versions::run().reset();
        main = std::make_unique<Main>();
        main->show();
        // Not the start-up's own notices: the upgrade notice and the update check.
        main->Timer8->stop();
        main->Timer9->stop();
        wireSheets(*main);
        transfer = main->findChild<SheetTransfer *>();
    }
    ~MainWorld()
    {
        main.reset();
        Versions::run().reset();
    }
    QString sheet() const { return makeAbilitySheet(main->engine(), Versions::run().Fver(), author()).text(); }
    static QString author() { return u"pages/author.html"_qs; }
    void build(const PickSequence &s) const { QCOMPARE(applyPicks(*main, s), int(s.picks.size())); }
};

void paste(const QString &text) { QGuiApplication::clipboard()->setText(text); }

// Drags the data onto the window and drops it there.
void drop(QWidget *window, const QMimeData *mime)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(window, &dropped);
}

} // namespace

void SheetTransferTest::pastedSheetReplacesTheBuild()
{
    MainWorld w;
    w.build(guardBuild());
    const QString guard = w.sheet();
    w.build(otherBuild());
    QVERIFY(w.sheet() != guard);

    paste(u"来看：\r\n"_qs + guard);
    w.world.messages().clear();
    QApplication::setActiveWindow(w.main.get());
    QTest::keyClick(w.main.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.world.messages().texts(), QStringList{SheetLoadTexts::Agrees});
    QCOMPARE(w.sheet(), guard);

    // Dropped text, the same.
    w.build(otherBuild());
    w.world.messages().clear();
    auto *mime = new QMimeData;
    mime->setText(guard);
    drop(w.main.get(), mime);
    QTRY_COMPARE(w.world.messages().count(), 1);
    QCOMPARE(w.sheet(), guard);
    delete mime;
}

// Each hostile paste gets its message, and the build stays as it was.
void SheetTransferTest::hostilePastesChangeNothing()
{
    MainWorld w;
    w.build(guardBuild());
    const QString guard = w.sheet();
    const QStringList lines = guard.split(u"\r\n"_qs);
    const QString TooLarge = u"未能载入：文字超过 1 MiB（1048576 字节），不是能力表。"_qs;

    struct Case {
        QString name;
        QString text;
        QString message; // the start of it
    };
    QList<Case> cases{
        // Over 1 MiB of UTF-8 is refused before it is read; 349,526 such
        // characters are 1,048,578 bytes.
        {u"10 MB of text"_qs, QString(u"一行很长的聊天记录，里面没有能力表。角色：谁\n"_qs).repeated(10 * 1024 * 1024 / 24), TooLarge},
        {u"1 MiB and two bytes"_qs, QString(u"角"_qs).repeated(349526), TooLarge},
        {u"exactly 1 MiB"_qs, guard + QString(1024 * 1024 - guard.toUtf8().size(), u' '), SheetLoadTexts::Agrees},
        {u"binary garbage"_qs, QString::fromLatin1(QByteArray("\x00\xff\x01\x7f\x80\r\n\x1b[31m", 12).repeated(5000)), SheetLoadTexts::NoSheet},
        {u"markup"_qs, QString(guard).replace(u"角色：陆星河"_qs, u"角色：<img src=\"/etc/passwd\"><b>x</b>"_qs),
         u"未能载入：第1行 没有角色“<img src=\"/etc/passwd\"><b>x</b>”。"_qs},
    };
    for (int k = 1; k < lines.size(); ++k) // cut after line k
        cases.append({QStringLiteral("cut after line %1").arg(k), QStringList(lines.mid(0, k)).join(u"\r\n"_qs),
                      k == 1 ? SheetLoadTexts::NoSheet
                      : k < 40 ? QStringLiteral("未能载入：第%1行 能力表在此中断").arg(k + 1)
                               : SheetLoadTexts::Agrees});
    for (int line = SheetText::FirstAbilityLine; line <= SheetText::TotalLine; ++line) {
        QStringList changed = lines;
        const QString value = lines[line - 1].section(u'：', 1).section(u'(', 0, 0);
        changed[line - 1].replace(value, QString::number(value.toDouble() + 1));
        cases.append({QStringLiteral("number on line %1 plus one").arg(line), changed.join(u"\r\n"_qs),
                      u"已载入能力表，但有1项数值不同（可能是数据版本不同）：\r\n"_qs + lines[line - 1].section(u'：', 0, 0)
                          + u"：能力表"_qs + QString::number(value.toDouble() + 1) + u"，本程序"_qs + value});
    }
    // The other numbers: level, training, and both bonuses of the outfit label.
    const struct {
        int line;
        QString from, to, message;
    } numbers[] = {
        {SheetText::LevelLine, u"45级"_qs, u"46级"_qs, u"未能载入：第5行 “等级”此时没有“46级”，可选："_qs},
        {9, u"中投+11"_qs, u"中投+12"_qs, u"未能载入：第9行 “有鞋装”此时没有“中投+12”，可选："_qs},
        {9, u"跑动+10"_qs, u"跑动+11"_qs, u"未能载入：第9行 “有鞋装”第二项此时没有“跑动+11”，可选："_qs},
    };
    for (const auto &n : numbers) {
        QStringList changed = lines;
        QVERIFY(changed[n.line - 1].contains(n.from));
        changed[n.line - 1].replace(n.from, n.to);
        cases.append({u"line "_qs + QString::number(n.line) + u": "_qs + n.to, changed.join(u"\r\n"_qs), n.message});
    }
    for (const Case &c : std::as_const(cases)) {
        w.world.messages().clear();
        w.transfer->loadText(c.text);
        QVERIFY2(w.world.messages().count() == 1, qPrintable(c.name));
        const QString shown = w.world.messages().texts().first();
        QVERIFY2(shown.startsWith(c.message), qPrintable(c.name + u": "_qs + shown.left(200)));
        QVERIFY2(w.sheet() == guard, qPrintable(c.name));
    }

    // 训练Ⅲ is offered at 45级: the build takes it, and every number differs.
    w.world.messages().clear();
    w.transfer->loadText(QString(guard).replace(u"训练：训练Ⅱ"_qs, u"训练：训练Ⅲ"_qs));
    QCOMPARE(w.world.messages().count(), 1);
    QVERIFY2(w.world.messages().texts()[0].startsWith(u"已载入能力表，但有13项数值不同"_qs),
             qPrintable(w.world.messages().texts()[0]));
    QCOMPARE(w.main->engine().list(ListId::Xlian).text, u"训练Ⅲ"_qs);
}

void SheetTransferTest::filesSaveAndOpen()
{
    MainWorld w;
    QTemporaryDir dir;
    FileDialogAnswerer dialogs(dir.filePath(u"a.txt"_qs));

    // Nothing to save before the build shows values.
    w.transfer->save();
    QCOMPARE(dialogs.requests().size(), 0);

    w.build(guardBuild());
    const QString guard = w.sheet();
    w.transfer->save();
    QCOMPARE(dialogs.requests().size(), 1);
    QVERIFY2(dialogs.requests()[0].suggestedPath.endsWith(u"/ZR角色助手/陆星河-PG-45级.txt"_qs),
             qPrintable(dialogs.requests()[0].suggestedPath));
    QFile saved(dir.filePath(u"a.txt"_qs));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("\xEF\xBB\xBF") + guard.toUtf8());
    QVERIFY(guard.contains(u"\r\n"_qs));

    // Opened again, also as GBK without a mark.
    QFile gbk(dir.filePath(u"gbk.txt"_qs));
    QVERIFY(gbk.open(QIODevice::WriteOnly));
    gbk.write(CodePage936::encode(guard));
    gbk.close();
    for (const QString &name : {u"a.txt"_qs, u"gbk.txt"_qs}) {
        w.build(otherBuild());
        w.world.messages().clear();
        dialogs.setAnswer(dir.filePath(name));
        w.transfer->open();
        QCOMPARE(w.world.messages().texts(), QStringList{SheetLoadTexts::Agrees});
        QCOMPARE(w.sheet(), guard);
    }

    // Not a regular file, too large, a link that loops, a name too long: a
    // message and nothing changes. Windows has no FIFOs, and its links made
    // by QFile::link are shortcuts, not links the system follows.
    struct Unopened {
        QString name, why;
    };
    QList<Unopened> unopened;
#ifndef Q_OS_WIN
    QVERIFY(::mkfifo(dir.filePath(u"fifo"_qs).toLocal8Bit().constData(), 0600) == 0);
    unopened.append({u"fifo"_qs, u"不是普通文件（管道、设备、套接字或文件夹）"_qs});
#endif
    QFile big(dir.filePath(u"big.txt"_qs));
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(guard.toUtf8() + QByteArray(1024 * 1024, ' '));
    big.close();
    unopened.append({u"big.txt"_qs, u"文件超过 1 MiB，不是能力表。"_qs});
    unopened.append({u"missing.txt"_qs, u"找不到文件"_qs});
    QList<Unopened> unsaved;
#ifndef Q_OS_WIN
    QVERIFY(QFile::link(u"loop"_qs, dir.filePath(u"loop"_qs)));
    unsaved.append({u"loop"_qs, u"符号链接绕成了圈"_qs});
#endif
    unsaved.append({QString(u'长').repeated(5000) + u".txt"_qs, u"文件名或路径太长"_qs});
    for (const Unopened &file : unopened + unsaved) {
        w.world.messages().clear();
        w.transfer->openFile(dir.filePath(file.name));
        QCOMPARE(w.world.messages().texts(), QStringList{u"未能打开“"_qs + file.name + u"”："_qs + file.why});
        QCOMPARE(w.sheet(), guard);
    }
    // Saved under those names: the same reasons.
    for (const Unopened &file : unsaved) {
        w.world.messages().clear();
        dialogs.setAnswer(dir.filePath(file.name));
        w.transfer->save();
        QCOMPARE(w.world.messages().texts(), QStringList{u"未能保存能力表“"_qs + file.name + u"”："_qs + file.why});
    }

    // A dropped file opens.
    w.build(otherBuild());
    w.world.messages().clear();
    auto *mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(dir.filePath(u"a.txt"_qs))});
    mime->setText(u"not this"_qs);
    drop(w.main.get(), mime);
    QTRY_COMPARE(w.world.messages().count(), 1);
    QCOMPARE(w.world.messages().texts()[0], SheetLoadTexts::Agrees);
    QCOMPARE(w.sheet(), guard);
    delete mime;
}

void SheetTransferTest::comparisonSlotsTakePastes()
{
    SheetWorld world;
    world.build(u"林风"_qs, {u"G"_qs, u"11级"_qs});
    const AbilitySheet sheet = makeAbilitySheet(world.engine(), 3.2f, u"x"_qs);
    ComparisonWindow window(world.engine(), &world.mainWindow());
    window.show();

    // The menu of ComDR 2.
    paste(u"聊天\n"_qs + sheet.text());
    Q_EMIT window.ComDR[1]->customContextMenuRequested(QPoint(5, 5));
    auto *menu = window.findChild<QMenu *>(u"ComDRMenu2"_qs);
    QVERIFY(menu && menu->actions().size() == 1);
    QCOMPARE(menu->actions()[0]->text(), u"从剪贴板导入"_qs);
    menu->actions()[0]->trigger();
    QStringList expected{u"林风"_qs, u"G"_qs, u"中等"_qs, u"11级"_qs, u"无训练"_qs, u"无VIP"_qs};
    for (int i = 0; i < AbilityCount; ++i)
        expected << world.engine().abilityText(i);
    expected << world.engine().totalText();
    QStringList shown;
    for (int row = 0; row < ComparisonRowCount; ++row)
        shown << window.cell(2, row)->text();
    QCOMPARE(shown, expected);
    QCOMPARE(world.slotsOnDisk().value(u"juese2"_qs), u"林风"_qs); // stored at once
    QVERIFY(!window.ComDR[1]->isVisible());

    // Ctrl+V: the first empty slot; a post leaves VIP empty.
    paste(sheet.post);
    window.pasteIntoFirstEmpty();
    QCOMPARE(window.cell(1, 0)->text(), u"林风"_qs);
    QCOMPARE(window.cell(1, 5)->text(), QString());
    QCOMPARE(window.cell(1, 4)->text(), u"无训练"_qs);

    // Bad text: its reason, nothing filled.
    paste(u"<b>hello</b>"_qs);
    window.pasteIntoFirstEmpty();
    QCOMPARE(world.messages().texts(), QStringList{SheetLoadTexts::NoSheet});
    QCOMPARE(window.slots().firstEmpty(), 3);

    // More than 1 MiB of UTF-8: refused before it is read.
    world.messages().clear();
    paste(sheet.text() + QString(u'角').repeated(349526));
    window.pasteIntoFirstEmpty();
    QCOMPARE(world.messages().texts(), QStringList{u"未能载入：文字超过 1 MiB（1048576 字节），不是能力表。"_qs});
    QCOMPARE(window.slots().firstEmpty(), 3);

    paste(sheet.text());
    for (int i = 0; i < 3; ++i)
        window.pasteIntoFirstEmpty();
    QCOMPARE(window.slots().firstEmpty(), 0);
    world.messages().clear();
    const auto before = world.slotsOnDisk();
    window.pasteIntoFirstEmpty();
    QCOMPARE(world.messages().texts(), QStringList{u"五列都已有角色，请先清除一列再导入。"_qs});
    QCOMPARE(world.slotsOnDisk(), before);
    window.close();
}
