#include "LibraryWiring.h"

#include "ApplyPicks.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "LibraryWindow.h"
#include "Main.h"
#include "WindowList.h"

#include <QPointer>
#include <QApplication>
#include <QShortcut>

LibraryWindow *openLibrary(Main &main, const QWidget *openedFrom)
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
    }
    WindowList::showFromLink(window, openedFrom ? openedFrom : &main);
    return window;
}

void wireLibrary(Main &main)
{
    auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+L")), &main);
    shortcut->setObjectName(QStringLiteral("LibraryShortcut"));
    shortcut->setContext(Qt::ApplicationShortcut);
    // Ctrl+L opens it beside whichever window of the program is active.
    QObject::connect(shortcut, &QShortcut::activated, &main, [&main] { openLibrary(main, QApplication::activeWindow()); });
    QObject::connect(&main, &Main::libraryRequested, &main, [&main] { openLibrary(main); });
}
