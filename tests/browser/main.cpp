#include "BestBuildMenuTest.h"
#include "ExplainTest.h"
#include "ListsTest.h"
#include "MainLinksTest.h"
#include "MendsTest.h"
#include "MotionTest.h"
#include "PlacementTest.h"
#include "NoticesTest.h"
#include "RecordTest.h"
#include "SampleTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Under a window manager (under-window-manager.sh): the placement alone.
    if (qEnvironmentVariableIsSet("ZRC_TEST_UNDER_WM"))
        return runTestClasses<PlacementTest>(argc, argv);
    return runTestClasses<ListsTest, RecordTest, MotionTest, MainLinksTest, SampleTest, ExplainTest, MendsTest,
                          PlacementTest, NoticesTest, BestBuildMenuTest>(argc, argv);
}
