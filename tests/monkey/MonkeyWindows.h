#pragma once

#include "AnnouncementWindow.h"
#include "Main.h"
#include "PortraitWindow.h"

#include <QWidget>
#include <functional>

// The windows the monkey plays with: one row per window, how to open it
// (as the player opens it) and how to find it. A new window is one more row.
struct MonkeyWindow {
    const char *name;
    std::function<void(Main &)> open;      // as the player opens it
    std::function<QWidget *(Main &)> find; // nullptr while it does not exist
};

inline const MonkeyWindow MonkeyWindows[] = {
    {"Main", [](Main &m) { m.showNormal(); }, [](Main &m) -> QWidget * { return &m; }},
    {"XsTx", [](Main &m) { m.Label_XSTX_Click(); }, [](Main &m) -> QWidget * { return m.portrait(); }},
    {"announcement", [](Main &m) { m.L_GG_Click(); }, [](Main &m) -> QWidget * { return m.announcement(); }},
};
