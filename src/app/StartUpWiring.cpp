#include "StartUpWiring.h"

#include "GuideWindow.h"
#include "Main.h"

std::unique_ptr<GuideWindow> startThroughGuide(Main &main)
{
    auto guide = std::make_unique<GuideWindow>([&main] { main.show(); });
    guide->Form_Load();
    return guide;
}
