#include "LibraryWiring.h"

#include "ApplyPicks.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "LibraryWindow.h"
#include "Main.h"
#include "WindowList.h"

#include <QPointer>
#include <QScreen>
#include <QShortcut>

LibraryWindow *openLibrary(Main &main)
{
    auto *window = main.findChild<LibraryWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        LibraryActions actions;
        QPointer<Main> to(&main);
        actions.load = [to](const PickSequence &sequence) {
            if (!to)
                return;
            applyPicks(*to, sequence);
            WindowList::showFromLink(to);
        };
        actions.compare = [to](const QString &text, int slot) {
            if (!to)
                return;
            auto *windows = to->findChild<ComparisonWindows *>();
            if (!windows)
                return;
            ComparisonWindow *comparison = windows->open();
            if (comparison)
                comparison->importText(slot, text);
        };
        window = new LibraryWindow(std::move(actions), &main);
        // Inside the main window's screen, in its middle, until windows
        // without a place of their own share one rule.
        if (const QScreen *screen = main.screen()) {
            const QRect free = screen->availableGeometry();
            window->resize(window->size().boundedTo(free.size() - QSize(40, 80)));
            window->move(free.center() - window->rect().center());
        }
    }
    WindowList::showFromLink(window);
    return window;
}

void wireLibrary(Main &main)
{
    auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+L")), &main);
    shortcut->setObjectName(QStringLiteral("LibraryShortcut"));
    shortcut->setContext(Qt::ApplicationShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &main, [&main] { openLibrary(main); });
    QObject::connect(&main, &Main::libraryRequested, &main, [&main] { openLibrary(main); });
}
