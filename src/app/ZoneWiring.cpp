#include "ZoneWiring.h"

#include "Main.h"
#include "WindowList.h"
#include "ZoneWindow.h"

#include <memory>

void wireZonePing(Main &main)
{
    // Owned by the connection: the window goes when the main window does.
    auto window = std::make_shared<std::unique_ptr<XQzs>>();
    QObject::connect(&main, &Main::zonePingRequested, &main, [&main, window] {
        if (!*window)
            *window = std::make_unique<XQzs>(&main);
        WindowList::showFromLink(window->get(), &main);
    });
}
