#include "CliSheetTest.h"
#include "ComparisonPlacementTest.h"
#include "ComparisonWindowTest.h"
#include "LibraryTest.h"
#include "LibraryWindowTest.h"
#include "PictureTest.h"
#include "SheetLoaderTest.h"
#include "SheetTest.h"
#include "SheetTransferTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Under a window manager (under-window-manager.sh): the placement alone.
    if (qEnvironmentVariableIsSet("ZRC_TEST_UNDER_WM"))
        return runTestClasses<ComparisonPlacementTest>(argc, argv);
    return runTestClasses<SheetTest, SheetLoaderTest, SheetTransferTest, CliSheetTest, ComparisonWindowTest,
                          ComparisonPlacementTest, PictureTest, LibraryTest,
                          LibraryWindowTest>(argc, argv);
}
