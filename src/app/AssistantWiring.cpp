#include "AssistantWiring.h"

#include "LevelUpWindow.h"
#include "Main.h"
#include "SkillsWindow.h"
#include "WindowList.h"

#include <QPointer>

void wireAssistants(Main &main)
{
    // Top-level windows of their own (not children of the main window, which
    // they minimise); deleted with it.
    auto levelUp = std::make_shared<QPointer<LevelUpWindow>>();
    auto skills = std::make_shared<QPointer<SkillsWindow>>();
    QObject::connect(&main, &Main::levelUpRequested, &main, [&main, levelUp] {
        if (!*levelUp)
            *levelUp = new LevelUpWindow(&main);
        WindowList::showFromLink(*levelUp, &main);
    });
    QObject::connect(&main, &Main::skillsRequested, &main, [&main, skills] {
        if (!*skills)
            *skills = new SkillsWindow(main.engine(), &main);
        WindowList::showFromLink(*skills, &main);
    });
    QObject::connect(&main, &QObject::destroyed, [levelUp, skills] {
        delete levelUp->data();
        delete skills->data();
    });
}
