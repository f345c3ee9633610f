#include "CliSheetTest.h"
#include "ComparisonWindowTest.h"
#include "SheetTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<SheetTest, CliSheetTest, ComparisonWindowTest>(argc, argv);
}
