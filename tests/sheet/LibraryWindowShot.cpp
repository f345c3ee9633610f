// The library window with a dozen saved builds of the sample, sorted by
// 综合, one of them from an older data version and one that holds no sheet,
// for the screenshot in docs/ (see docs/library.md):
//   library_window_shot --data-dir DIR OUT.png
// Writes the window's picture and ends.

#include "AbilitySheet.h"
#include "AppFont.h"
#include "AppPaths.h"
#include "BuildGenerator.h"
#include "GameDatabase.h"
#include "LibraryFolder.h"
#include "LibraryModel.h"
#include "LibraryWindow.h"
#include "SheetFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);
    const QString out = QApplication::arguments().last();
    QTemporaryDir home;
    AppPaths::setConfigPath(home.filePath(QStringLiteral("ZRCconfig.ini")));
    const QString folder = home.filePath(QStringLiteral("我的配置"));
    QDir().mkpath(folder);

    const GameDatabase db(AppPaths::databasePath());
    BuildEngine e([&db](const QString &name) { return db.record(name); });
    BuildGenerator generator(2026, db.allCharacters());
    for (int i = 0; i < 11; ++i) {
        generator.next(e);
        QString sheet = makeAbilitySheet(e, 3.2f, QStringLiteral("pages/author.html")).text();
        if (i == 4) // as an older data version computed it
            sheet.replace(sheet.indexOf(QStringLiteral("三分：")), 5, QStringLiteral("三分：9"));
        QFile f(QDir(folder).filePath(SheetFile::suggestedName(e.characterName(), e.list(ListId::ZYe).text,
                                                               e.list(ListId::Dji).text)));
        f.open(QIODevice::WriteOnly);
        f.write(SheetFile::encode(sheet));
    }
    QFile notes(QDir(folder).filePath(QStringLiteral("聊天记录.txt")));
    notes.open(QIODevice::WriteOnly);
    notes.write("明天几点打球？");
    notes.close();

    LibraryFolder::choose(folder);
    LibraryWindow w({});
    w.resize(1240, 470);
    w.show();
    QObject::connect(&w, &LibraryWindow::listed, &w, [&] {
        w.Header_Click(LibraryColumn::Total);
        w.Table->setCurrentIndex(w.model()->index(1, 0));
        w.Table->setFocus();
        QTimer::singleShot(300, &w, [&] {
            w.grab().save(out);
            app.quit();
        });
    });
    return app.exec();
}
