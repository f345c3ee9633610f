#include "ComparisonWiring.h"

#include "ComparisonWindows.h"
#include "Main.h"

void wireComparison(Main &main)
{
    // The windows read the build through the engine's read-only view, and
    // look at the main window only to stand beside it.
    auto *windows = new ComparisonWindows(main.engine(), &main, &main);
    QObject::connect(&main, &Main::comparisonRequested, windows, &ComparisonWindows::open);
}
