// The yardstick: an empty Qt Widgets window that reports when it is exposed.

#include "ExposeProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(457, 480);
    window.show();
    new ExposeProbe(window.windowHandle(), {});
    return app.exec();
}
