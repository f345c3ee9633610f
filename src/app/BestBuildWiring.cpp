#include "BestBuildWiring.h"

#include "AppPaths.h"
#include "ApplyPicks.h"
#include "BesideWindow.h"
#include "BestBuildWindow.h"
#include "GameDatabase.h"
#include "Main.h"
#include "WindowList.h"

#include <QPointer>

void wireBestBuild(Main &main)
{
    // Made on first use, a top-level window of its own that leaves the main
    // window as it is; deleted with it.
    auto window = std::make_shared<QPointer<BestBuildWindow>>();
    QObject::connect(&main, &Main::bestBuildRequested, &main, [&main, window](int row) {
        if (!*window) {
            // Records are read here, on the GUI thread, never by the search.
            auto records = [](const QString &name) { return GameDatabase(AppPaths::databasePath()).record(name); };
            *window = new BestBuildWindow(main.engine(), records);
            QObject::connect(*window, &BestBuildWindow::applyRequested, &main,
                             [&main](const QString &character, const QList<BestPick> &picks) {
                                 PickSequence sequence{character, {}};
                                 for (const BestPick &p : picks)
                                     sequence.picks.append({p.list, p.item});
                                 applyPicks(main, sequence);
                             });
            QObject::connect(&main, &Main::characterChanged, *window, &BestBuildWindow::characterChanged);
        }
        if ((*window)->isMinimized())
            (*window)->showNormal();
        if (!(*window)->isVisible())
            BesideWindow::placeBesideOpener(*window, &main);
        (*window)->open(row);
        WindowList::opened(*window);
    });
    QObject::connect(&main, &QObject::destroyed, [window] { delete window->data(); });
}
