// The yardsticks: a bare Qt Widgets window that reports when it is exposed.
// With --chinese it shows one line of Chinese, which is the floor a Chinese
// program starts from (the CJK font has to be found and loaded); without, it
// shows nothing at all.

#include "ExposeProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    ExposeProbe::stage("main");
    QApplication app(argc, argv);
    ExposeProbe::stage("application");
    QWidget window;
    window.resize(457, 480);
    if (app.arguments().contains(QStringLiteral("--chinese")))
        (new QLabel(QStringLiteral("ZR角色助手：查看球队与角色"), &window))->move(20, 20);
    window.show();
    new ExposeProbe(window.windowHandle(), {});
    return app.exec();
}
