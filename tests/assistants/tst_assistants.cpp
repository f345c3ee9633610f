#include "LevelUpTest.h"
#include "SkillsTest.h"
#include "WiringTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<LevelUpTest, SkillsTest, WiringTest>(argc, argv);
}
