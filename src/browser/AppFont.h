#pragma once

class QApplication;

// The program's font: one that has the Chinese texts on every system, at
// the size the windows were designed for (9 points).
void useProgramFont(QApplication &app);
