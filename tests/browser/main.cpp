#include "ListsTest.h"
#include "MotionTest.h"
#include "RecordTest.h"
#include "SampleTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        ListsTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        RecordTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        MotionTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        SampleTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed;
}
