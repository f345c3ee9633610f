#include "CliBuildTest.h"
#include "EngineTest.h"
#include "SavedBuildsTest.h"
#include "SettingsPagesTest.h"
#include "StackingTest.h"
#include "TablesTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failed = 0;
    {
        EngineTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        TablesTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        StackingTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        SavedBuildsTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        SettingsPagesTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        CliBuildTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed ? 1 : 0;
}
