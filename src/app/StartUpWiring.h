#pragma once

#include "GuideWindow.h"

#include <memory>

class Main;

// Starts the program through the guide window: it opens the main window at
// once for a returning user, or after its tour. The guide lives as long as
// the returned pointer.
std::unique_ptr<GuideWindow> startThroughGuide(Main &main);
