#include "ListsTest.h"
#include "MainLinksTest.h"
#include "MotionTest.h"
#include "RecordTest.h"
#include "SampleTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<ListsTest, RecordTest, MotionTest, MainLinksTest, SampleTest>(argc, argv);
}
