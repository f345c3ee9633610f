#include "SheetLoaderTest.h"

#include "AbilitySheet.h"
#include "BuildGenerator.h"
#include "ComparisonSlots.h"
#include "CodePage936.h"
#include "GameDatabase.h"
#include "SheetFile.h"
#include "SheetLoader.h"
#include "SheetWorld.h"

#include <QTest>

namespace {

const QString Author = QStringLiteral("pages/author.html");
constexpr VersionNumber Version = 3.2f;

// The sample's database, and engines on it.
struct Sample {
    GameDatabase db{QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat")};
    QStringList characters = db.allCharacters();
    BuildEngine engine() const
    {
        return BuildEngine([this](const QString &name) { return db.record(name); });
    }
};

QString sheetOf(const BuildEngine &e) { return makeAbilitySheet(e, Version, Author).text(); }

QStringList list(const ComparisonSlots::Column &c) { return QStringList(c.begin(), c.end()); }

// What the comparison window's import makes of the build: the import
// itself, into a slot that is emptied again. (The slots are stored in the
// configuration of a SheetWorld.)
QStringList imported(const BuildEngine &e, ComparisonSlots &slots)
{
    if (slots.importBuild(1, e) != ComparisonSlots::Import::Done)
        return {QStringLiteral("(no import)")};
    QStringList cells;
    for (int row = 0; row < ComparisonRowCount; ++row)
        cells.append(slots.cell(1, row));
    slots.clear(1);
    return cells;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

QStringList cells(const QString &text)
{
    const auto c = comparisonCells(text);
    return c ? list(*c) : QStringList{QStringLiteral("(none)")};
}

bool replay(BuildEngine &e, const PickSequence &s)
{
    e.Xingming_Click(s.character);
    for (const Pick &p : s.picks)
        if (!e.pick(p.list, p.item))
            return false;
    return true;
}

// One fixed build of the sample: a two-piece top, a pack, horns.
PickSequence fixedBuild()
{
    PickSequence s{QStringLiteral("陆星河"), {}};
    for (const char *p : {"ZYe=PG", "Dji=45级", "Xlian=训练Ⅱ", "Vip=VIP", "Youxie1=不选择", "Wuxie=不选择",
                          "Shangyi1=三分+9", "Shangyi2=灌篮+3", "Xiayi1=传球+5", "Xiezi1=弹跳+9", "Xiezi2=对抗+3",
                          "Jiaqiangbao1=中投+2", "Jiaqiangbao2=传球+2", "Xinshouzhuang=跑动+3", "Faxing=三分龙头",
                          "Toubeibu=盖帽角", "Shoujianbu=跑动+2", "Tuijiaobu=不选择", "DuiyouA1=中投角",
                          "DuiyouA2=运球龙头", "DuiyouB1=不选择", "DuiyouB2=不选择"}) {
        const QString t = QString::fromUtf8(p);
        s.picks.append({*listByName(t.section(u'=', 0, 0)), t.section(u'=', 1)});
    }
    return s;
}

} // namespace

// A sheet made by the program loads back into the same build: the sheet
// again byte for byte, the same picks, and the same comparison cells as an
// import; a post gives the same cells but VIP.
void SheetLoaderTest::generatedBuildsTravel()
{
    const Sample sample;
    const SheetWorld world;
    ComparisonSlots slots;
    BuildEngine made = sample.engine(), loaded = sample.engine(), again = sample.engine();
    BuildGenerator generator(20261208, sample.characters);
    int repicked = 0, refused = 0;
    for (int b = 0; b < 2000; ++b) {
        const int refusedBefore = made.refused();
        const PickSequence picks = generator.next(made);
        refused += made.refused() > refusedBefore;
        repicked += std::count_if(picks.picks.begin(), picks.picks.end(),
                                  [](const Pick &p) { return p.list == ListId::ZYe; }) > 1;
        const AbilitySheet sheet = makeAbilitySheet(made, Version, Author);
        const SheetLoad load = loadSheet(sheet.text(), loaded, sample.characters);
        const QByteArray what = QStringLiteral("build %1: %2 %3").arg(b).arg(sheet.text(), load.message).toUtf8();
        QVERIFY2(load.status == SheetLoad::Status::Agrees, what.constData());
        QVERIFY2(sheetOf(loaded) == sheet.text(), what.constData());
        QVERIFY2(replay(again, load.sequence) && sheetOf(again) == sheet.text(), what.constData());
        // The import stores its slot (a file write), so every 20th build.
        const QStringList sheetCells = cells(sheet.text());
        if (b % 20 == 0)
            QVERIFY2(sheetCells == imported(made, slots), what.constData());
        QStringList postCells = sheetCells;
        postCells[5].clear(); // a post has no VIP line
        QVERIFY2(cells(sheet.post) == postCells, what.constData());
    }
    // The generator reaches what it promises.
    QVERIFY(repicked > 100);
    QVERIFY(refused > 100);
}

void SheetLoaderTest::chatDamageLoadsTheSameBuild_data()
{
    Sample sample;
    BuildEngine e = sample.engine();
    QVERIFY(replay(e, fixedBuild()));
    const AbilitySheet sheet = makeAbilitySheet(e, Version, Author);
    const QString crlf = sheet.text();
    QString lf = crlf;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = sheet.lines;

    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("post");
    QTest::newRow("as copied") << crlf << false;
    QTest::newRow("LF line ends") << lf << false;
    QTest::newRow("blanks in captions collapsed") << QString(crlf).replace(u"  "_qs, u" "_qs) << false;
    QTest::newRow("blanks in captions gone") << QString(crlf).replace(u"  "_qs, QString()).replace(u"VIP "_qs, u"VIP"_qs) << false;
    QTest::newRow("half-width colons") << QString(crlf).replace(u'：', u':') << false;
    QTest::newRow("trailing blanks") << QString(lines.join(u" \t\r\n"_qs) + u"  ") << false;
    QTest::newRow("last line missing") << QStringList(lines.mid(0, 41)).join(u"\r\n"_qs) << false;
    QTest::newRow("last two lines missing") << QStringList(lines.mid(0, 40)).join(u"\n"_qs) << false;
    QTest::newRow("among chat lines")
        << QString(u"老王 21:03:11\n看看我这个号：\n"_qs + lf + u"\n角色：不存在的人\n老李 21:04:02\n不错"_qs) << false;
    QTest::newRow("CR line ends") << lines.join(u'\r') << false;
    QTest::newRow("a broken sheet before it")
        << QString(QStringList(lines.mid(0, 30)).join(u"\n"_qs) + u"\n（后面丢了）\n"_qs + lf) << false;
    // Files as editors save them.
    QTest::newRow("UTF-16 LE with a mark") << SheetFile::decode(utf16(crlf, false)) << false;
    QTest::newRow("UTF-16 BE with a mark") << SheetFile::decode(utf16(crlf, true)) << false;
    QTest::newRow("UTF-8, a stray byte in a chat line")
        << SheetFile::decode("\xE8\x80\x81\xE7\x8E\x8B \xFF\xFE 21:03\n" + crlf.toUtf8()) << false;
    QTest::newRow("GBK") << SheetFile::decode(CodePage936::encode(QString(u"老王：\n"_qs + crlf))) << false;
    QTest::newRow("post with %23") << sheet.post << true;
    QTest::newRow("post with #, in chat") << QString(u"转发：\n"_qs + QString(sheet.post).replace(u"%23"_qs, u"#"_qs) + u"\n哈哈"_qs) << true;
}

void SheetLoaderTest::chatDamageLoadsTheSameBuild()
{
    QFETCH(QString, text);
    QFETCH(bool, post);
    const Sample sample;
    BuildEngine e = sample.engine();
    const SheetLoad load = loadSheet(text, e, sample.characters);
    QCOMPARE(load.message, post ? u"已载入分享文字：角色陆星河，职业PG，身高偏矮，等级45级，训练训练Ⅱ，以及各项数值。\r\n"
                                  "分享文字没有VIP、衣物、装饰和队友行，请接着在主界面选择。"_qs
                                : SheetLoadTexts::Agrees);
    QCOMPARE(load.status, SheetLoad::Status::Agrees);
    const PickSequence expected = fixedBuild();
    QCOMPARE(load.sequence.character, expected.character);
    // A post holds the first page but VIP.
    const QList<Pick> picks = post ? expected.picks.mid(0, 3) : expected.picks;
    QCOMPARE(load.sequence.picks, picks);
    if (post)
        QVERIFY(e.list(ListId::Vip).enabled);
}

// A sheet copied before the build was finished: up to the first empty line,
// and a shown item that the no-stacking rule refused stays that list's
// pending pick.
void SheetLoaderTest::unfinishedSheetsLoadUpToTheirEnd()
{
    const Sample sample;
    const PickSequence full = fixedBuild();
    for (int stop : {3, 4, 9, 14, 20}) { // after VIP, within the outfit, decorations, teammates
        BuildEngine made = sample.engine(), loaded = sample.engine();
        PickSequence part{full.character, full.picks.mid(0, stop)};
        QVERIFY(replay(made, part));
        const SheetLoad load = loadSheet(sheetOf(made), loaded, sample.characters);
        QCOMPARE(load.message, SheetLoadTexts::Agrees);
        QCOMPARE(load.sequence.picks, part.picks);
        QCOMPARE(sheetOf(loaded), sheetOf(made));
    }

    // 三分龙头 on the hair takes 三分角 from the first teammate slot.
    BuildEngine made = sample.engine(), loaded = sample.engine();
    PickSequence part{full.character, full.picks.mid(0, 18)};
    QVERIFY(replay(made, part));
    const int refused = made.refused();
    QVERIFY(made.pick(ListId::DuiyouA1, u"三分角"_qs));
    QCOMPARE(made.refused(), refused + 1);
    const SheetLoad load = loadSheet(sheetOf(made), loaded, sample.characters);
    QCOMPARE(load.message, SheetLoadTexts::Agrees);
    QCOMPARE(load.sequence.picks, part.picks);
    QVERIFY(loaded.list(ListId::DuiyouA1).enabled);
    QCOMPARE(sheetOf(loaded), sheetOf(made));
}

void SheetLoaderTest::refusalsNameTheLineAndTheOffer_data()
{
    Sample sample;
    BuildEngine e = sample.engine();
    QVERIFY(replay(e, fixedBuild()));
    const QStringList lines = makeAbilitySheet(e, Version, Author).lines;
    auto with = [&lines](int line, const QString &text) {
        QStringList l = lines;
        l[line - 1] = text;
        return l.join(u"\r\n"_qs);
    };
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown character") << with(1, u"角色：无名氏"_qs) << u"未能载入：第1行 没有角色“无名氏”。"_qs;
    QTest::newRow("position not offered") << with(3, u"职业：C"_qs)
                                          << u"未能载入：第3行 “职业”此时没有“C”，可选：G、SG、PG。"_qs;
    QTest::newRow("fixed height differs") << with(4, u"身高：偏高"_qs)
                                          << u"未能载入：第4行 “身高”此时不可选“偏高”。"_qs;
    QTest::newRow("outfit beyond the level") << with(11, u"上  衣：三分+11 灌篮+3"_qs)
                                             << u"未能载入：第11行 “上衣”此时没有“三分+11”，可选：不选择、中投+5、三分+5、灌篮+5、近投+5、中投+7、三分+7、灌篮+7、近投+7、中投+9、三分+9、灌篮+9、近投+9。"_qs;
    QTest::newRow("second half not offered") << with(12, u"下  衣：传球+5 篮板+2"_qs)
                                             << u"未能载入：第12行 “下衣”第二项此时不可选“篮板+2”。"_qs;
    QTest::newRow("a separator lost") << with(8, u"哈哈"_qs) << u"未能载入：第8行 应为分隔线，却是“哈哈”。"_qs;
    QTest::newRow("a caption lost") << with(16, u"新手:跑动+3"_qs)
                                    << u"未能载入：第16行 应为“新手装：”行，却是“新手:跑动+3”。"_qs;
    QTest::newRow("no sheet") << u"角色：陆星河\r\n就这些"_qs << SheetLoadTexts::NoSheet;
    QTest::newRow("two broken sheets: the first one's problem")
        << QString(with(8, u"哈哈"_qs) + u"\r\n"_qs + with(16, u"新手:跑动+3"_qs))
        << u"未能载入：第8行 应为分隔线，却是“哈哈”。"_qs;
}

void SheetLoaderTest::refusalsNameTheLineAndTheOffer()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    const Sample sample;
    BuildEngine e = sample.engine();
    const SheetLoad load = loadSheet(text, e, sample.characters);
    QCOMPARE(load.message, message);
    QCOMPARE(load.status, SheetLoad::Status::Failed);
    QCOMPARE(load.exitStatus(), 2);
}
