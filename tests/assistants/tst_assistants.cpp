#include "ZoneRulesTest.h"
#include "ZoneWindowTest.h"

#include "RunTestClasses.h"

#include <QApplication>

#ifndef Q_OS_WIN
#include "PingLinuxTest.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifndef Q_OS_WIN
    return runTestClasses<ZoneRulesTest, ZoneWindowTest, PingLinuxTest>(argc, argv);
#else
    return runTestClasses<ZoneRulesTest, ZoneWindowTest>(argc, argv);
#endif
}
