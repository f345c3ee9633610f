#pragma once

#include <QTest>

template <typename Test>
int runTestClass(int argc, char *argv[])
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs each test class in turn, all of them even after a failure. The exit
// status is 0 or 1: a count of failures could pass 255 and wrap to "passed".
template <typename... Tests>
int runTestClasses(int argc, char *argv[])
{
    int failed = 0;
    ((failed += runTestClass<Tests>(argc, argv)), ...); // in order, left to right
    return failed == 0 ? 0 : 1;
}
