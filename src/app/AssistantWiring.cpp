#include "AssistantWiring.h"

#include "LevelUpWindow.h"
#include "Main.h"
#include "SkillsWindow.h"
#include "WindowList.h"

#include <QPointer>

namespace {

// Shows a tool window: opened afresh when closed, brought forward when open.
void present(QWidget *window)
{
    if (window->isVisible()) {
        if (window->isMinimized())
            window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    window->activateWindow();
    WindowList::opened(window);
}

} // namespace

void wireAssistants(Main &main)
{
    // Top-level windows of their own (not children of the main window, which
    // they minimise); deleted with it.
    auto levelUp = std::make_shared<QPointer<LevelUpWindow>>();
    auto skills = std::make_shared<QPointer<SkillsWindow>>();
    QObject::connect(&main, &Main::levelUpRequested, &main, [&main, levelUp] {
        if (!*levelUp)
            *levelUp = new LevelUpWindow(&main);
        present(*levelUp);
    });
    QObject::connect(&main, &Main::skillsRequested, &main, [&main, skills] {
        if (!*skills)
            *skills = new SkillsWindow(main.engine(), &main);
        present(*skills);
    });
    QObject::connect(&main, &QObject::destroyed, [levelUp, skills] {
        delete levelUp->data();
        delete skills->data();
    });
}
