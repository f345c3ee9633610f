#include "LevelUpTest.h"
#include "SkillsTest.h"
#include "WiringTest.h"
#include "ZoneRulesTest.h"
#include "ZoneWindowTest.h"

#include "RunTestClasses.h"

#include <QApplication>

#ifndef Q_OS_WIN
#include "PingLinuxTest.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifndef Q_OS_WIN
    return runTestClasses<LevelUpTest, SkillsTest, WiringTest, ZoneRulesTest, ZoneWindowTest, PingLinuxTest>(argc, argv);
#else
    return runTestClasses<LevelUpTest, SkillsTest, WiringTest, ZoneRulesTest, ZoneWindowTest>(argc, argv);
#endif
}
