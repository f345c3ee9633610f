#include "PictureTest.h"

#include "AppPaths.h"
#include "ApplyPicks.h"
#include "BuildCardLayout.h"
#include "BuildPictures.h"
#include "ClickLabel.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "FileDialogAnswerer.h"
#include "GameDatabase.h"
#include "Main.h"
#include "RadarWindow.h"
#include "SheetWorld.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

// Cells of the comparison grid, [slot - 1][row]; empty unless given.
using Grid = std::array<std::array<QString, ComparisonRowCount>, ComparisonSlots::SlotCount>;

std::function<QString(int, int)> cells(const Grid &grid)
{
    return [grid](int n, int row) { return grid[n - 1][row]; };
}

void fillSlot(Grid &grid, int n, const QStringList &head, const QStringList &abilities)
{
    for (int row = 0; row < head.size(); ++row)
        grid[n - 1][row] = head[row];
    for (int i = 0; i < abilities.size(); ++i)
        grid[n - 1][FirstAbilityRow + i] = abilities[i];
}

QList<int> slotsOf(const QList<RadarSeries> &series)
{
    QList<int> out;
    for (const RadarSeries &s : series)
        out.append(s.slot);
    return out;
}

RadarSeries flat(int slot, double value)
{
    RadarSeries s;
    s.slot = slot;
    s.values.fill(value);
    return s;
}

bool fuzzyEqual(QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-9; }

struct Run {
    int status = -1;
    QString out, err;
};

Run zrcCli(const QStringList &args, const QMap<QString, QString> &env = {})
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (auto it = env.cbegin(); it != env.cend(); ++it) {
        if (it.value().isNull())
            e.remove(it.key());
        else
            e.insert(it.key(), it.value());
    }
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

const QStringList GuardBuild{u"陆星河"_qs, u"ZYe=PG"_qs, u"Dji=45级"_qs, u"Xlian=训练Ⅱ"_qs, u"Vip=VIP"_qs};

QStringList textsOf(const BuildCardLayout &l)
{
    QStringList out;
    for (const CardText &t : l.texts)
        out.append(t.text);
    return out;
}

} // namespace

void PictureTest::radarDrawsSlotsWithANumberToRunWith()
{
    Grid grid;
    const QStringList twelve{u"60"_qs, u"55"_qs, u"50"_qs, u"45"_qs, u"40"_qs, u"35"_qs,
                             u"30"_qs, u"25"_qs, u"20"_qs, u"15"_qs, u"10"_qs, u"5"_qs};
    fillSlot(grid, 1, {u"林风"_qs, u"G"_qs, u"中等"_qs, u"11级"_qs}, twelve);
    // A name but no 跑动 value, and a 跑动 cell that is not a number: not drawn.
    fillSlot(grid, 2, {u"云飞"_qs, u"F"_qs}, {});
    fillSlot(grid, 3, {u"石岩"_qs}, {u"高"_qs, u"30"_qs});
    // Leading numbers: marks after the number, blanks before it, a sign.
    fillSlot(grid, 5, {u""_qs, u"C"_qs, u""_qs, u"45级"_qs}, {u" 12(3↑)"_qs, u"-4"_qs, u".5"_qs, u"x"_qs});
    // Values alone: the legend names the column.
    fillSlot(grid, 4, {}, {u"30"_qs});

    QList<RadarSeries> s = radarSeries(cells(grid));
    QCOMPARE(slotsOf(s), (QList<int>{1, 4, 5}));
    QCOMPARE(s.takeAt(1).legend, u"第4列"_qs);
    QCOMPARE(s[0].legend, u"林风  G  11级"_qs);
    QCOMPARE(s[0].values[0], 60.0);
    QCOMPARE(s[0].values[11], 5.0);
    QCOMPARE(s[1].legend, u"C  45级"_qs);
    QCOMPARE(s[1].values[0], 12.0);
    QCOMPARE(s[1].values[1], -4.0);
    QCOMPARE(s[1].values[2], 0.5);
    QCOMPARE(s[1].values[3], 0.0); // no number: the centre
    QVERIFY(radarColour(1) != radarColour(5));
}

void PictureTest::radarAxesEndAtARoundMaximum_data()
{
    QTest::addColumn<QList<double>>("largest"); // one flat series each
    QTest::addColumn<double>("axisMax");
    QTest::newRow("no slot") << QList<double>{} << 10.0;
    QTest::newRow("small values") << QList<double>{3} << 10.0;
    QTest::newRow("negative only") << QList<double>{-20} << 10.0;
    QTest::newRow("exactly ten") << QList<double>{10} << 10.0;
    QTest::newRow("just above") << QList<double>{10.5} << 20.0;
    QTest::newRow("largest of two") << QList<double>{87, 41} << 90.0;
    QTest::newRow("over a hundred") << QList<double>{100, 131} << 140.0;
}

void PictureTest::radarAxesEndAtARoundMaximum()
{
    QFETCH(QList<double>, largest);
    QFETCH(double, axisMax);
    QList<RadarSeries> series;
    for (double v : largest)
        series.append(flat(int(series.size()) + 1, v));
    QCOMPARE(radarAxisMax(series), axisMax);
    const RadarLayout l = radarLayout(series, QSizeF(400, 500));
    QCOMPARE(l.axisMax, axisMax);
    QCOMPARE(l.ringValues.last().text, QString::number(axisMax));
}

void PictureTest::radarPointsLieOnTheirAxes()
{
    RadarSeries a = flat(2, 40);
    a.values[3] = 20;  // 传球, pointing right
    a.values[6] = -15; // 盖帽, at the centre
    a.legend = u"林风  G  11级"_qs;
    const RadarSeries b = flat(4, 80);
    const QSizeF size(400, 500);
    const RadarLayout l = radarLayout({a, b}, size);

    QCOMPARE(l.axisMax, 80.0);
    QCOMPARE(l.polygons.size(), 2);
    QCOMPARE(l.colours, (QList<quint32>{radarColour(2), radarColour(4)}));
    const RadarPolygon &p = l.polygons[0];
    QCOMPARE(p.size(), AbilityCount + 1);
    QCOMPARE(p.first(), p.last()); // closed
    QVERIFY(fuzzyEqual(p[0], l.centre + QPointF(0, -l.radius / 2)));       // 跑动 straight up
    QVERIFY(fuzzyEqual(p[3], l.centre + QPointF(l.radius / 4, 0)));        // 传球 right
    QVERIFY(fuzzyEqual(p[6], l.centre));                                   // negative
    QVERIFY(fuzzyEqual(l.polygons[1][6], l.centre + QPointF(0, l.radius))); // full value, straight down
    for (int i = 0; i < AbilityCount; ++i) {
        QVERIFY(fuzzyEqual(l.polygons[1][i], l.axisEnds[i]));
        QCOMPARE(l.axisNames[i].text, Abilities[i].name.toString());
        QVERIFY2(QRectF(QPointF(), size).contains(l.axisNames[i].rect), qPrintable(l.axisNames[i].text));
    }

    // The legend: one line per series below the chart, inside the picture.
    QCOMPARE(l.legend.size(), 2);
    QCOMPARE(l.legend[0].text, a.legend);
    for (int s = 0; s < 2; ++s) {
        QVERIFY(QRectF(QPointF(), size).contains(l.legend[s].rect));
        QVERIFY(l.legend[s].rect.top() >= l.centre.y() + l.radius);
        QVERIFY(l.swatches[s].right() < l.legend[s].rect.left());
    }
    QVERIFY(l.legend[0].rect.bottom() <= l.legend[1].rect.top());
}

void PictureTest::radarWindowFollowsItsSlotsAndSavesPng()
{
    SheetWorld world;
    ComparisonWindows windows(world.engine(), &world.mainWindow());
    ComparisonWindow *w = windows.open();
    world.build(u"林风"_qs, {u"G"_qs, u"11级"_qs});
    clickOn(w->ComDR[0]);
    world.build(u"云飞"_qs, {u"F"_qs, u"11级"_qs});
    clickOn(w->ComDR[1]);

    QCOMPARE(w->RadarLink->text(), u"雷达图"_qs);
    clickOn(w->RadarLink);
    RadarWindow *radar = w->radar();
    QVERIFY(radar && radar->isVisible());
    QCOMPARE(radar->windowTitle(), u"能力雷达图 - ZR角色助手"_qs);
    QCOMPARE(slotsOf(radar->chart->series()), (QList<int>{1, 2}));
    QCOMPARE(radar->chart->series()[0].legend, u"林风  G  11级"_qs);

    clickOn(w->ComClearSlot[0]);
    QCOMPARE(slotsOf(radar->chart->series()), QList<int>{2});
    world.build(u"石岩"_qs, {u"C"_qs, u"11级"_qs});
    clickOn(w->ComDR[2]);
    QCOMPARE(slotsOf(radar->chart->series()), (QList<int>{2, 3}));
    // Minimised, the link brings it back, as every link does.
    radar->setWindowState(radar->windowState() | Qt::WindowMinimized);
    clickOn(w->RadarLink);
    QVERIFY2(!radar->isMinimized(), "the link left the chart minimised");

    // The second comparison window has a chart of its own.
    Q_EMIT w->Zj->clicked();
    ComparisonWindow *second = windows.secondWindow();
    QVERIFY(second);
    clickOn(second->RadarLink);
    QVERIFY(second->radar() && second->radar() != radar);
    clickOn(w->ComClear);
    QCOMPARE(radar->chart->series().size(), 0);
    QCOMPARE(second->radar()->chart->series().size(), 2);

    // Copy and save at twice the chart's size; a name without an extension gets ".png".
    clickOn(second->radar()->CopyPicture);
    const QImage copied = QGuiApplication::clipboard()->image();
    const QImage picture = second->radar()->picture();
    QCOMPARE(copied.size(), picture.size());
    FileDialogAnswerer answerer(world.dataDir() + u"/雷达"_qs);
    clickOn(second->radar()->SavePicture);
    QCOMPARE(answerer.requests().size(), 1);
    QCOMPARE(answerer.requests()[0].mode, FileDialog::Mode::Save);
    QImageReader saved(world.dataDir() + u"/雷达.png"_qs);
    QCOMPARE(saved.format(), QByteArray("png"));
    QCOMPARE(saved.size(), picture.size());
    // Cancelled: nothing written, nothing said.
    answerer.setAnswer(QString());
    clickOn(second->radar()->SavePicture);
    QVERIFY(world.messages().messages().isEmpty());

    // The chart goes with its window.
    QPointer<RadarWindow> gone = radar;
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!gone || !gone->isVisible());
}

void PictureTest::cardShowsTheBuildInsideItsEdges()
{
    SheetWorld world;
    world.build(u"林风"_qs, {u"G"_qs, u"11级"_qs});
    const BuildCardFacts facts = buildCardFacts(world.engine(), 3.2f);
    const BuildCardLayout l = buildCardLayout(facts);

    QCOMPARE(l.size.width(), BuildCardWidth);
    const QStringList texts = textsOf(l);
    for (const QString &expected : {u"林风"_qs, u"球队：雷霆队"_qs, u"职业：G"_qs, u"身高：中等"_qs, u"等级：11级"_qs,
                                    u"训练：无训练"_qs, u"VIP：无VIP"_qs, u"综合"_qs, world.engine().totalText(),
                                    u"ZR角色助手 V3.2"_qs})
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    for (int i = 0; i < AbilityCount; ++i) {
        QVERIFY(texts.contains(Abilities[i].name.toString()));
        QVERIFY(texts.contains(world.engine().abilityText(i)));
    }

    // Nothing cut off, nothing on top of anything else.
    const QRectF card(QPointF(), QSizeF(l.size));
    QVERIFY(card.contains(l.picture));
    for (qsizetype a = 0; a < l.texts.size(); ++a) {
        QVERIFY2(card.contains(l.texts[a].rect), qPrintable(l.texts[a].text));
        QVERIFY2(!l.texts[a].rect.intersects(l.picture), qPrintable(l.texts[a].text));
        for (qsizetype b = a + 1; b < l.texts.size(); ++b)
            QVERIFY2(!l.texts[a].rect.intersects(l.texts[b].rect),
                     qPrintable(l.texts[a].text + u" / " + l.texts[b].text));
        for (const CardBar &bar : l.bars)
            QVERIFY2(!bar.rect.intersects(l.texts[a].rect), qPrintable(l.texts[a].text));
    }

    // Drawn at scale 1 and 2: exactly once and twice the layout's size.
    QCOMPARE(paintBuildCard(l, QImage(), 1).size(), l.size);
    QCOMPARE(paintBuildCard(l, QImage(), 2).size(), l.size * 2);
}

void PictureTest::cardBarsFollowThePortraitProportions()
{
    BuildCardFacts facts;
    const std::array<double, AbilityCount> values{0, 50, 100, 140, -5, 99.5, 25, 1, 2, 3, 4, 5};
    for (int i = 0; i < AbilityCount; ++i) {
        facts.abilities[i].name = Abilities[i].name.toString();
        facts.abilities[i].value = values[i];
        facts.abilities[i].text = QString::number(values[i]);
    }
    facts.abilities[1].marker = u"12↑"_qs;
    const BuildCardLayout l = buildCardLayout(facts);
    const double left = l.bars[0].rect.left();
    QCOMPARE(l.bars[0].rect.width(), 0.0);
    QCOMPARE(l.bars[1].rect.width(), BuildCardTrackWidth / 2);
    QCOMPARE(l.bars[2].rect.width(), BuildCardTrackWidth); // 100 and more fill the track
    QCOMPARE(l.bars[3].rect.width(), BuildCardTrackWidth);
    QCOMPARE(l.bars[5].rect.width(), BuildCardTrackWidth * 0.995);
    // A negative value runs left of the track's start, not into its caption.
    QVERIFY(l.bars[4].rect.right() <= left + 1e-9 && l.bars[4].rect.width() > 0);
    const CardText &caption = l.texts[textsOf(l).indexOf(Abilities[4].name.toString())];
    QVERIFY(l.bars[4].rect.left() >= caption.rect.right());
    for (const CardBar &bar : l.bars)
        QVERIFY(bar.rect.left() >= left - 10);
    // The marker stands after its value, the value after its bar.
    const CardText &value = l.texts[textsOf(l).indexOf(u"50"_qs)];
    const CardText &marker = l.texts[textsOf(l).indexOf(u"12↑"_qs)];
    QVERIFY(value.rect.left() > l.bars[1].rect.right());
    QVERIFY(marker.rect.left() >= value.rect.right());
}

namespace {

QStringList pickTextsOf(const BuildCardLayout &l)
{
    QStringList out;
    for (const CardText &t : l.texts)
        if (t.style == CardText::Pick)
            out.append(t.text);
    return out;
}

} // namespace

void PictureTest::cardPicksForTheFullestAndAnUnfinishedBuild()
{
    const GameDatabase db(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat"));
    BuildEngine e([&db](const QString &name) { return db.record(name); });

    // Unfinished: position and level; the lists still open are left out.
    e.Xingming_Click(u"陆星河"_qs);
    QVERIFY(e.pick(ListId::ZYe, u"PG"_qs));
    QVERIFY(e.pick(ListId::Dji, u"45级"_qs));
    const BuildCardLayout unfinished = buildCardLayout(buildCardFacts(e, 3.2f));
    QCOMPARE(pickTextsOf(unfinished), (QStringList{u"职业：PG"_qs, u"身高：偏矮"_qs, u"等级：45级"_qs}));

    // Every line the wizard can fill: no whole-outfit set, so the top, the
    // trousers and the shoes are picked one by one; everywhere else the
    // last item the list offers that the no-stacking rule takes.
    e.Xingming_Click(u"陆星河"_qs);
    for (int guard = 0; guard < 60; ++guard) {
        std::optional<ListId> open;
        for (int i = int(ListId::Dji); i < ListCount && !open; ++i)
            if (e.list(ListId(i)).enabled && e.list(ListId(i)).visible)
                open = ListId(i);
        if (e.list(ListId::ZYe).text.isEmpty())
            open = ListId::ZYe;
        if (!open)
            break;
        const QStringList items = e.list(*open).items;
        bool taken = false;
        for (qsizetype k = items.size() - 1; k >= 0 && !taken; --k) {
            const bool none = items[k] == u"不选择";
            if (none != (*open == ListId::Youxie1 || *open == ListId::Wuxie) && k > 0)
                continue;
            const int refused = e.refused();
            taken = e.pick(*open, items[k]) && e.refused() == refused;
        }
        QVERIFY2(taken, qPrintable(listName(*open)));
    }
    const BuildCardLayout full = buildCardLayout(buildCardFacts(e, 3.2f));
    const QStringList picks = pickTextsOf(full);
    QStringList captions;
    for (const QString &line : picks)
        captions.append(line.section(u'：', 0, 0));
    QCOMPARE(captions, (QStringList{u"职业"_qs, u"身高"_qs, u"等级"_qs, u"训练"_qs, u"VIP"_qs, u"上衣"_qs, u"下衣"_qs,
                                    u"鞋子"_qs, u"加强包"_qs, u"新手装"_qs, u"发型"_qs, u"装饰一"_qs, u"装饰二"_qs,
                                    u"装饰三"_qs, u"队友A角"_qs, u"队友A龙头"_qs, u"队友B角"_qs, u"队友B龙头"_qs}));
    for (const QString &line : picks)
        QVERIFY2(!line.contains(u"不选择") && !line.endsWith(u'：'), qPrintable(line));

    // Two columns of 22-pixel rows: nine rows against two, nothing else moves.
    QCOMPARE(full.size.width(), BuildCardWidth);
    QCOMPARE(full.size.height() - unfinished.size.height(), 7 * 22);
    const QRectF card(QPointF(), QSizeF(full.size));
    for (const CardText &t : full.texts)
        QVERIFY2(card.contains(t.rect), qPrintable(t.text));
}

void PictureTest::cardPickLinesAreCutToFitAtEveryScale()
{
    QCOMPARE(cutToCharacters(u"装饰一：三分+3"_qs, 18), u"装饰一：三分+3"_qs);
    QCOMPARE(cutToCharacters(QString(18, u'中'), 18), QString(18, u'中'));
    QCOMPARE(cutToCharacters(QString(19, u'中'), 18), QString(17, u'中') + u'…');
    QCOMPARE(cutToCharacters(QString::fromUtf8("𠀀𠀀𠀀"), 2), QString::fromUtf8("𠀀…")); // characters, not UTF-16 units

    // The widest lines a card can get, in the font the card draws with.
    BuildCardFacts facts;
    facts.picks = {QString(40, u'龍'), QString(40, u'W'), QString(40, u'@'), u"有鞋装：中投+11跑动+10"_qs};
    const BuildCardLayout l = buildCardLayout(facts);
    const QStringList picks = pickTextsOf(l);
    QCOMPARE(picks.size(), 4);
    QCOMPARE(picks[0], QString(17, u'龍') + u'…');
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        QFont font = buildCardFont(CardText::Pick);
        font.setPixelSize(qRound(font.pixelSize() * scale));
        const QFontMetricsF metrics(font);
        for (const CardText &t : l.texts)
            if (t.style == CardText::Pick)
                QVERIFY2(metrics.horizontalAdvance(t.text) <= t.rect.width() * scale,
                         qPrintable(QStringLiteral("×%1 %2").arg(scale).arg(t.text)));
        QCOMPARE(paintBuildCard(l, QImage(), scale).size(), (QSizeF(l.size) * scale).toSize());
    }
}

void PictureTest::cardFromTheMainWindowMenu()
{
    SheetWorld world;
    AppPaths::setDataDir(QStringLiteral(ZRC_TEST_SAMPLE_DIR));
    Main main;
    main.show();
    QCOMPARE(applyPicks(main, {u"陆星河"_qs, {{ListId::ZYe, u"PG"_qs}, {ListId::Dji, u"45级"_qs},
                                               {ListId::Xlian, u"训练Ⅱ"_qs}, {ListId::Vip, u"VIP"_qs}}}),
             4);
    main.render();
    QVERIFY(main.Label_FZNL->isEnabled());

    Q_EMIT main.Label_FZNL->customContextMenuRequested(main.Label_FZNL->rect().center());
    auto *menu = main.findChild<QMenu *>(u"PictureMenu"_qs);
    QVERIFY(menu);
    QStringList items;
    for (QAction *a : menu->actions())
        items.append(a->text());
    QCOMPARE(items, (QStringList{u"复制为图片"_qs, u"保存为图片…"_qs, QString(), u"我的配置…"_qs}));

    const QSize card = buildCardLayout(buildCardFacts(main.engine(), 3.2f)).size;
    menu->actions()[0]->trigger();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), card * 2);

    FileDialogAnswerer answerer(world.dataDir() + u"/卡片.png"_qs);
    menu->actions()[1]->trigger();
    QCOMPARE(answerer.requests().size(), 1);
    QVERIFY(answerer.requests()[0].suggestedPath.endsWith(u"陆星河.png"_qs));
    QCOMPARE(QImageReader(world.dataDir() + u"/卡片.png"_qs).size(), card * 2);

    // A folder that is not there: said, and nothing written.
    const int before = world.messages().count();
    answerer.setAnswer(world.dataDir() + u"/无此目录/卡片.png"_qs);
    menu->actions()[1]->trigger();
    QCOMPARE(world.messages().count(), before + 1);
    QVERIFY(world.messages().messages().last().text.startsWith(u"图片没有保存："_qs));
    QVERIFY(!QFile::exists(world.dataDir() + u"/无此目录"_qs));
    menu->close();
}

void PictureTest::cliCardIsTwiceAsLargeAtScale2()
{
    const QTemporaryDir dir;
    const QString one = dir.filePath(u"1.png"_qs), two = dir.filePath(u"2.png"_qs);
    const QStringList common{u"card"_qs, u"--data-dir"_qs, QStringLiteral(ZRC_TEST_SAMPLE_DIR)};
    // No platform asked for, no display and no login session: the card is
    // drawn offscreen, and standard error holds no notes of Qt's.
    const QMap<QString, QString> noDisplay{{u"QT_QPA_PLATFORM"_qs, QString()}, {u"DISPLAY"_qs, QString()},
                                           {u"WAYLAND_DISPLAY"_qs, QString()}, {u"XDG_RUNTIME_DIR"_qs, QString()}};
    Run r = zrcCli(common + QStringList{u"--out"_qs, one} + GuardBuild, noDisplay);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.err, QString());
    r = zrcCli(common + QStringList{u"--out="_qs + two, u"--scale"_qs, u"2"_qs} + GuardBuild, noDisplay);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QSize size1 = QImageReader(one).size(), size2 = QImageReader(two).size();
    QCOMPARE(size1.width(), BuildCardWidth);
    QCOMPARE(size2, size1 * 2);

    // Bad input: status 2 and a reason.
    for (const QStringList &bad : {QStringList{u"陆星河"_qs}, QStringList{u"--out"_qs, one, u"--scale"_qs, u"3"_qs, u"陆星河"_qs}}) {
        r = zrcCli(common + bad);
        QCOMPARE(r.status, 2);
        QVERIFY(!r.err.isEmpty());
    }
}

void PictureTest::cliStaysDisplayFreeExceptForCard()
{
    // An X display that is not there: any command that connected would fail.
    const QMap<QString, QString> brokenDisplay{{u"QT_QPA_PLATFORM"_qs, u"xcb"_qs}, {u"DISPLAY"_qs, u":99999"_qs}};
    for (const QStringList &args : {QStringList{u"--help"_qs}, QStringList{u"--version"_qs},
                                    QStringList{u"card"_qs, u"--help"_qs},
                                    QStringList{u"build"_qs, u"--data-dir"_qs, QStringLiteral(ZRC_TEST_SAMPLE_DIR),
                                                u"陆星河"_qs}}) {
        const Run r = zrcCli(args, brokenDisplay);
        QVERIFY2(r.status == 0, qPrintable(args.join(u' ') + u": " + r.err));
        if (args == QStringList{u"card"_qs, u"--help"_qs})
            QVERIFY(r.out.contains(u"--scale 1|1.5|2"_qs));
    }
}
