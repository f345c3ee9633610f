#include "ListsTest.h"
#include "MotionTest.h"
#include "NoticesTest.h"
#include "RecordTest.h"
#include "SampleTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<ListsTest, RecordTest, MotionTest, SampleTest, NoticesTest>(argc, argv);
}
