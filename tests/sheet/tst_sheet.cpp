#include "ComparisonWindowTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<ComparisonWindowTest>(argc, argv);
}
