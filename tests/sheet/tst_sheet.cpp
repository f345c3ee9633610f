#include "CliSheetTest.h"
#include "SheetTest.h"

#include "RunTestClasses.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return runTestClasses<SheetTest, CliSheetTest>(argc, argv);
}
