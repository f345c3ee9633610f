#include "LibraryWindowTest.h"

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "ApplyPicks.h"
#include "ComparisonWiring.h"
#include "Configuration.h"
#include "FileDialogAnswerer.h"
#include "GameDatabase.h"
#include "LibraryFolder.h"
#include "LibraryModel.h"
#include "LibraryWindow.h"
#include "LibraryWiring.h"
#include "Main.h"
#include "SheetFile.h"
#include "SheetWiring.h"
#include "SheetWorld.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString Sample = QStringLiteral(ZRC_TEST_SAMPLE_DIR);

// A sheet of the sample made by picks, as Ctrl+S saves it.
QByteArray sheetOf(const QString &character, const QList<QPair<ListId, QString>> &picks)
{
    const GameDatabase db(Sample + u"/ZRCdata.dat");
    BuildEngine e([&db](const QString &name) { return db.record(name); });
    e.Xingming_Click(character);
    for (const auto &p : picks)
        e.pick(p.first, p.second);
    return SheetFile::encode(makeAbilitySheet(e, 3.2f, QStringLiteral("pages/author.html")).text());
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// HOME and the data folder inside a temporary folder, so the trash is there.
struct TemporaryHome {
    explicit TemporaryHome(const QString &home, const QString &dataHome)
        : m_home(qgetenv("HOME")), m_data(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    }
    ~TemporaryHome()
    {
        qputenv("HOME", m_home);
        m_data.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", m_data);
    }
    QByteArray m_home, m_data;
};

QStringList files(const LibraryWindow &w)
{
    QStringList out;
    for (int row = 0; row < w.model()->rowCount(); ++row)
        out.append(w.model()->entryAt(row)->file);
    return out;
}

bool select(LibraryWindow &w, const QString &file)
{
    const int row = w.model()->rowOfFile(file);
    w.Table->setCurrentIndex(w.model()->index(row, 0));
    return row >= 0;
}

bool listedAgain(LibraryWindow &w)
{
    QSignalSpy listed(&w, &LibraryWindow::listed);
    return listed.wait(10000);
}

} // namespace

void LibraryWindowTest::actionsThroughTheWindow()
{
    SheetWorld world;
    AppPaths::setDataDir(Sample);
    LibraryFolder::reset();
    const QString home = world.dataDir() + u"/home"_qs;
    const QString folder = home + u"/builds"_qs;
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(home + u"/.local/share"_qs));
    const TemporaryHome temporaryHome(home, home + u"/.local/share"_qs);
    write(folder + u"/guard.txt"_qs, sheetOf(u"陆星河"_qs, {{ListId::ZYe, u"PG"_qs}, {ListId::Dji, u"45级"_qs},
                                                            {ListId::Xlian, u"训练Ⅱ"_qs}, {ListId::Vip, u"VIP"_qs}}));
    write(folder + u"/plain.txt"_qs, sheetOf(u"普通角色"_qs, {{ListId::ZYe, u"G"_qs}, {ListId::Dji, u"11级"_qs}}));
    write(folder + u"/broken.txt"_qs, "角色：nobody\r\n");

    Main main;
    wireComparison(main);
    wireLibrary(main);
    main.show();
    LibraryWindow *w = openLibrary(main);
    QCOMPARE(w->windowTitle(), u"我的配置 - ZR角色助手"_qs);
    QVERIFY(w->isVisible());
    QCOMPARE(openLibrary(main), w); // one window
    {
        FileDialogAnswerer answerer(folder);
        QSignalSpy listed(w, &LibraryWindow::listed);
        QTest::mouseClick(w->OpenFolder, Qt::LeftButton);
        QCOMPARE(answerer.requests().size(), 1);
        QCOMPARE(answerer.requests()[0].mode, FileDialog::Mode::Folder);
        QVERIFY(listed.wait(10000));
    }
    Configuration::selectForReading();
    QCOMPARE(Configuration::read(LibraryFolder::Section, LibraryFolder::Key), folder);
    QCOMPARE(files(*w), (QStringList{u"broken.txt"_qs, u"guard.txt"_qs, u"plain.txt"_qs}));

    // Sorting by 三分 (numbers first, greatest first), then filtering.
    w->Header_Click(LibraryColumn::FirstAbility + 9);
    QCOMPARE(files(*w), (QStringList{u"guard.txt"_qs, u"plain.txt"_qs, u"broken.txt"_qs}));
    QCOMPARE(w->Table->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    w->Search->setText(u"陆星"_qs); // as typed: the filter follows each change
    QCOMPARE(files(*w), QStringList{u"guard.txt"_qs});
    w->Search->clear();
    const int plain = w->CharacterFilter->findText(u"普通角色"_qs);
    QVERIFY(plain > 0);
    w->CharacterFilter->setCurrentIndex(plain);
    QCOMPARE(files(*w), QStringList{u"plain.txt"_qs});
    w->CharacterFilter->setCurrentIndex(0);

    // A file without a sheet: greyed, its reason shown, nothing to load.
    QVERIFY(select(*w, u"broken.txt"_qs));
    QVERIFY(w->Details->text().contains(u"未能载入"));
    QVERIFY(!w->Load->isEnabled() && !w->Compare->isEnabled());
    QVERIFY(w->model()->data(w->model()->index(w->Table->currentIndex().row(), 0), Qt::ForegroundRole).isValid());

    // Enter loads the build into the main window.
    QVERIFY(select(*w, u"guard.txt"_qs));
    w->Table->setFocus();
    QTest::keyClick(w->Table, Qt::Key_Return);
    QCOMPARE(main.engine().characterName(), u"陆星河"_qs);
    QCOMPARE(main.engine().list(ListId::Vip).text, u"VIP"_qs);

    // Into the comparison slot chosen, stored at once.
    w->CompareSlot->setCurrentIndex(3);
    QTest::mouseClick(w->Compare, Qt::LeftButton);
    QCOMPARE(world.slotsOnDisk().value(u"juese3"_qs), u"陆星河"_qs);
    QCOMPARE(world.slotsOnDisk().value(u"vip3"_qs), u"VIP"_qs);

    // The file's text as found.
    QTest::mouseClick(w->CopySheet, Qt::LeftButton);
    QFile guard(folder + u"/guard.txt"_qs);
    QVERIFY(guard.open(QIODevice::ReadOnly));
    QCOMPARE(QGuiApplication::clipboard()->text(), SheetFile::decode(guard.readAll()));
    guard.close();

    // Renamed in place (".txt" added), still selected.
    QVERIFY(select(*w, u"guard.txt"_qs));
    QSignalSpy listed(w, &LibraryWindow::listed);
    QVERIFY(!w->model()->setData(w->model()->index(w->Table->currentIndex().row(), LibraryColumn::File), u"后卫"_qs,
                                 Qt::EditRole));
    QVERIFY(listed.wait(10000));
    QVERIFY(QFile::exists(folder + u"/后卫.txt"_qs) && !QFile::exists(folder + u"/guard.txt"_qs));
    QCOMPARE(w->Table->currentIndex().row(), w->model()->rowOfFile(u"后卫.txt"_qs));
    // A name taken: said, nothing renamed.
    const int before = world.messages().count();
    QVERIFY(select(*w, u"plain.txt"_qs));
    w->model()->setData(w->model()->index(w->Table->currentIndex().row(), LibraryColumn::File), u"后卫.txt"_qs,
                        Qt::EditRole);
    QCOMPARE(world.messages().count(), before + 1);
    QVERIFY(QFile::exists(folder + u"/plain.txt"_qs));

#ifndef Q_OS_WIN // the recycle bin is the system's own, and Wine's is not it
    // Delete: into the trash, without a question.
    QVERIFY(select(*w, u"plain.txt"_qs));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->Table->setFocus();
    QTest::keyClick(w->Table, Qt::Key_Delete);
    QVERIFY(listedAgain(*w));
    QCOMPARE(world.messages().count(), before + 1);
    QVERIFY(!QFile::exists(folder + u"/plain.txt"_qs));
    QVERIFY(QFile::exists(home + u"/.local/share/Trash/files/plain.txt"_qs));
    QCOMPARE(files(*w), (QStringList{u"后卫.txt"_qs, u"broken.txt"_qs}));
#endif
    w->close();
}

void LibraryWindowTest::followsTheFolderLive()
{
    SheetWorld world;
    AppPaths::setDataDir(Sample);
    LibraryFolder::reset();
    const QString folder = world.dataDir() + u"/live"_qs;
    QVERIFY(QDir().mkpath(folder));
    LibraryWindow w({});
    w.setFolder(folder);
    QVERIFY(listedAgain(w) || !w.busy());
    QCOMPARE(w.model()->rowCount(), 0);
    // Saved by another program: it appears without anything done here.
    QSignalSpy listed(&w, &LibraryWindow::listed);
    write(folder + u"/new.txt"_qs, sheetOf(u"普通角色"_qs, {{ListId::ZYe, u"C"_qs}}));
    QVERIFY(listed.wait(5000));
    QCOMPARE(files(w), QStringList{u"new.txt"_qs});
    QFile::remove(folder + u"/new.txt"_qs);
    QVERIFY(listed.wait(5000));
    QCOMPARE(w.model()->rowCount(), 0);
}

void LibraryWindowTest::aFolderTheConfigurationCannotHoldIsKeptForThisRun()
{
    SheetWorld world;
    AppPaths::setDataDir(Sample);
    LibraryFolder::reset();
    // 70 characters of two bytes each in GBK, and one GBK cannot write.
    const QString tooLong = world.dataDir() + u'/' + QString(70, u'长');
    const QString notGbk = world.dataDir() + u"/配置🏀"_qs;
    for (const QString &folder : {tooLong, notGbk}) {
        QVERIFY(QDir().mkpath(folder));
        write(folder + u"/a.txt"_qs, sheetOf(u"普通角色"_qs, {{ListId::ZYe, u"C"_qs}}));
        LibraryWindow w({});
        w.setFolder(folder);
        QVERIFY(listedAgain(w) || !w.busy());
        QCOMPARE(w.folder(), folder);
        QCOMPARE(files(w), QStringList{u"a.txt"_qs});
        QVERIFY2(w.Details->text().contains(u"只在本次运行中使用"), qPrintable(w.Details->text()));
        Configuration::selectForReading();
        QCOMPARE(Configuration::read(LibraryFolder::Section, LibraryFolder::Key), QString());
        QCOMPARE(LibraryFolder::current(), folder);
    }
    // One that fits is stored, and this run's choice is over.
    const QString fits = world.dataDir() + u"/配置"_qs;
    QVERIFY(QDir().mkpath(fits));
    QVERIFY(LibraryFolder::choose(fits));
    QVERIFY(!LibraryFolder::forThisRunOnly());
    QCOMPARE(LibraryFolder::current(), fits);
    LibraryFolder::reset();
}

void LibraryWindowTest::savingIntoTheLibraryOffersToOpenIt()
{
    SheetWorld world;
    AppPaths::setDataDir(Sample);
    LibraryFolder::reset();
    const QString folder = world.dataDir() + u"/builds"_qs;
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(LibraryFolder::choose(folder));
    Main main;
    wireSheets(main);
    wireLibrary(main);
    main.show();
    QCOMPARE(applyPicks(main, {u"陆星河"_qs, {{ListId::ZYe, u"PG"_qs}, {ListId::Dji, u"45级"_qs},
                                               {ListId::Xlian, u"训练Ⅱ"_qs}, {ListId::Vip, u"VIP"_qs}}}),
             4);
    main.render();
    FileDialogAnswerer answerer(folder + u"/mine.txt"_qs);
    auto *transfer = main.findChild<SheetTransfer *>();
    QVERIFY(transfer);
    transfer->save();
    QCOMPARE(answerer.requests().size(), 1);
    QVERIFY(answerer.requests()[0].suggestedPath.startsWith(folder + u'/'));
    QVERIFY(world.messages().messages().last().text.startsWith(u"已保存到我的配置"));
    auto *library = main.findChild<LibraryWindow *>();
    QVERIFY(library && library->isVisible());
    QVERIFY(listedAgain(*library) || !library->busy());
    QCOMPARE(files(*library), QStringList{u"mine.txt"_qs});

    // Saved elsewhere: no offer.
    const int before = world.messages().count();
    answerer.setAnswer(world.dataDir() + u"/elsewhere.txt"_qs);
    transfer->save();
    QCOMPARE(world.messages().count(), before);
    library->close();
    LibraryFolder::reset();
}
