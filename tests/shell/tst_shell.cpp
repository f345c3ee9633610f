#include "AnnouncementWindowTest.h"
#include "FadeTest.h"
#include "GuideWindowTest.h"
#include "NoticesTest.h"
#include "PortraitWindowTest.h"
#include "QtTranslationsTest.h"
#include "ShareTest.h"
#include "ShareWindowTest.h"

#include "RunTestClasses.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The plain page views: fast, and the same on every machine.
    qputenv("ZRC_NO_WEBENGINE", "1");
    QApplication app(argc, argv);
    return runTestClasses<FadeTest, ShareTest, ShareWindowTest, PortraitWindowTest, AnnouncementWindowTest,
                          QtTranslationsTest, GuideWindowTest, NoticesTest>(argc, argv);
}
