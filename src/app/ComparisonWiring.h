#pragma once

class Main;

// The main window's link "能力对比" opens the comparison window.
void wireComparison(Main &main);
