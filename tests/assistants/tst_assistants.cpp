#include "PingLinuxTest.h"
#include "ZoneRulesTest.h"
#include "ZoneWindowTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runTestClasses<ZoneRulesTest, ZoneWindowTest, PingLinuxTest>(argc, argv);
}
