#pragma once

class Main;

// The ability captions' "求…最高的配置" opens the best-build window, whose
// "应用到主界面" makes the build on the main window.
void wireBestBuild(Main &main);
