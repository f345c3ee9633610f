#include "AnnouncementWindowTest.h"
#include "FadeTest.h"
#include "PortraitWindowTest.h"
#include "ShareTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    // The plain page views: fast, and the same on every machine.
    qputenv("ZRC_NO_WEBENGINE", "1");
    QApplication app(argc, argv);
    int failed = 0;
    {
        FadeTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        ShareTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        PortraitWindowTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    {
        AnnouncementWindowTest t;
        failed += QTest::qExec(&t, argc, argv);
    }
    return failed;
}
