#pragma once

#include "AnnouncementWindow.h"
#include "ClickLabel.h"
#include "ComparisonWindow.h"
#include "ComparisonWindows.h"
#include "Configuration.h"
#include "GuideWindow.h"
#include "LevelUpWindow.h"
#include "Main.h"
#include "PortraitWindow.h"
#include "ShareWindow.h"
#include "ShareWindowOpen.h"
#include "StartUpWiring.h"
#include "ZoneWindow.h"

#include <QApplication>
#include <QWidget>
#include <functional>
#include <memory>

// The program as the monkey runs it: the main window wired as zrc wires it,
// and the guide window it started through.
struct MonkeyProgram {
    Main &main;
    std::unique_ptr<GuideWindow> guide;
    int runs = 0;
};

// A top-level window of the program by its name; nullptr while there is none.
inline QWidget *topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

inline ComparisonWindows *comparisons(Main &m) { return m.findChild<ComparisonWindows *>(); }

// The windows the monkey plays with: one row per window, how to open it (as
// the player opens it), how to find it, and the named timer ticks it runs
// while open (each tick only while its timer is running, as the timer would).
// A new window is one more row.
struct MonkeyWindow {
    const char *name;
    std::function<void(MonkeyProgram &)> open;
    std::function<QWidget *(MonkeyProgram &)> find; // nullptr while it does not exist
    std::function<QString(QWidget *, int)> tick = {}; // runs tick n (0…) if its timer runs; its name
};

template <typename W>
QString tickIfRunning(QTimer *timer, W *window, void (W::*tick)(), const char *name)
{
    if (!timer || !timer->isActive())
        return QString();
    (window->*tick)();
    return QString::fromLatin1(name);
}

inline const MonkeyWindow MonkeyWindows[] = {
    {"Main", [](MonkeyProgram &p) { p.main.showNormal(); }, [](MonkeyProgram &p) -> QWidget * { return &p.main; },
     [](QWidget *w, int n) {
         auto *m = static_cast<Main *>(w);
         switch (n % 4) {
         case 0: m->Timer1_Timer(); return QStringLiteral("Timer1");
         case 1: m->Timer4_Timer(); return QStringLiteral("Timer4");
         case 2: m->Timer5_Timer(); return QStringLiteral("Timer5");
         default: m->Timer6_Timer(); return QStringLiteral("Timer6");
         }
     }},
    {"XsTx", [](MonkeyProgram &p) { p.main.Label_XSTX_Click(); },
     [](MonkeyProgram &p) -> QWidget * { return p.main.portrait(); }},
    {"announcement", [](MonkeyProgram &p) { p.main.L_GG_Click(); },
     [](MonkeyProgram &p) -> QWidget * { return p.main.announcement(); }},
    // The guide: every run starts through it; opening it again is the next
    // run's start, every other time after an update to this version (the
    // tour shows only until it was seen).
    {"News",
     [](MonkeyProgram &p) {
         if (++p.runs % 2 == 0)
             Configuration::write(Configuration::VersionSection, Configuration::ProgramVersionKey,
                                  QStringLiteral("0"));
         p.guide = startThroughGuide(p.main);
     },
     [](MonkeyProgram &p) -> QWidget * { return p.guide.get(); },
     [](QWidget *w, int) {
         auto *g = static_cast<GuideWindow *>(w);
         return tickIfRunning(g->Timer2, g, &GuideWindow::Timer2_Timer, "Timer2");
     }},
    // Shared from the guide, the level-up and zone windows and the main
    // window's links; all of them go through the one share action.
    {"WbFx", [](MonkeyProgram &) { ShareWindowOpen(QStringLiteral("%23ZR角色助手%23 monkey + 100% & more"),
                                                   QStringLiteral("分享 - ZR角色助手")); },
     [](MonkeyProgram &) -> QWidget * { return ShareWindow::existing(); }},
    {"Nldb", [](MonkeyProgram &p) { Q_EMIT p.main.comparisonRequested(); },
     [](MonkeyProgram &p) -> QWidget * {
         auto *c = comparisons(p.main);
         return c ? c->defaultWindow() : nullptr;
     }},
    // The second comparison window, behind the first one's link Zj.
    {"Nldb2",
     [](MonkeyProgram &p) {
         auto *c = comparisons(p.main);
         ComparisonWindow *first = c ? c->defaultWindow() : nullptr;
         if (!first || !first->isVisible())
             first = c ? c->open() : nullptr;
         if (first && first->Zj->isEnabled())
             Q_EMIT first->Zj->clicked();
     },
     [](MonkeyProgram &p) -> QWidget * {
         auto *c = comparisons(p.main);
         return c ? c->secondWindow() : nullptr;
     }},
    // From the 综合 caption's menu; the search runs on a worker.
    {"BestBuildWindow", [](MonkeyProgram &p) { Q_EMIT p.main.bestBuildRequested(12); },
     [](MonkeyProgram &) { return topLevel("BestBuildWindow"); }},
    {"SJzs", [](MonkeyProgram &p) { Q_EMIT p.main.levelUpRequested(); },
     [](MonkeyProgram &) { return topLevel("SJzs"); }},
    {"JNzs", [](MonkeyProgram &p) { Q_EMIT p.main.skillsRequested(); },
     [](MonkeyProgram &) { return topLevel("JNzs"); }},
    {"XQzs", [](MonkeyProgram &p) { Q_EMIT p.main.zonePingRequested(); },
     [](MonkeyProgram &) { return topLevel("XQzs"); },
     [](QWidget *w, int n) {
         auto *z = static_cast<XQzs *>(w);
         switch (n % 5) {
         case 0: return tickIfRunning(z->Timer1, z, &XQzs::Timer1_Timer, "Timer1");
         case 1: return tickIfRunning(z->Timer2, z, &XQzs::Timer2_Timer, "Timer2");
         case 2: return tickIfRunning(z->Timer3, z, &XQzs::Timer3_Timer, "Timer3");
         case 3: return tickIfRunning(z->Timer4, z, &XQzs::Timer4_Timer, "Timer4");
         default: return tickIfRunning(z->Timer5, z, &XQzs::Timer5_Timer, "Timer5");
         }
     }},
};
