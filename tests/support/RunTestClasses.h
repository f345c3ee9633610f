#pragma once

#include <QTest>

#include <cstdio>
#ifdef Q_OS_WIN
#  include <qt_windows.h>
#endif

template <typename Test>
int runTestClass(int argc, char *argv[])
{
    Test test;
    // ZRC_TEST_CLASS=Name runs that class alone: a whole run is slow under Wine.
    const QByteArray only = qgetenv("ZRC_TEST_CLASS");
    if (!only.isEmpty() && only != test.metaObject()->className())
        return 0;
    return QTest::qExec(&test, argc, argv);
}

// Runs each test class in turn, all of them even after a failure. The exit
// status is 0 or 1: a count of failures could pass 255 and wrap to "passed".
template <typename... Tests>
int runTestClasses(int argc, char *argv[])
{
    int failed = 0;
    ((failed += runTestClass<Tests>(argc, argv)), ...); // in order, left to right
#ifdef Q_OS_WIN
    // Under Wine, a test program that has run the library window's tests
    // never finishes unloading the C++ runtime after main: even _Exit waits
    // in its DLL detach (zrc.exe, which shows the same window, ends
    // normally). The outcome is known: end here, without the unloading.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), failed == 0 ? 0 : 1);
#endif
    return failed == 0 ? 0 : 1;
}
