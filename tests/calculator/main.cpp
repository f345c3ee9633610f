#include "BestBuildTest.h"
#include "CliBuildTest.h"
#include "EngineTest.h"
#include "SavedBuildsTest.h"
#include "SettingsPagesTest.h"
#include "StackingTest.h"
#include "TablesTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<EngineTest, TablesTest, StackingTest, SavedBuildsTest, SettingsPagesTest, CliBuildTest, BestBuildTest>(argc, argv);
}
