// Opens the main window, clicks its zone link and runs a measurement on the
// data folder's zones, for the screenshot in docs/ (see docs/zone-ping.md):
//   zone_window_shot --data-dir DIR
// The verdict's message box is answered at once, so the window shows
// alone. It stays open until it is ended.

#include "AppFont.h"
#include "AppPaths.h"
#include "ClickLabel.h"
#include "Main.h"
#include "MessageRecorder.h"
#include "ZoneWindow.h"
#include "ZoneWiring.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);
    MessageRecorder messages;

    Main main;
    wireZonePing(main);
    main.show();
    QTimer::singleShot(500, &main, [&] {
        Q_EMIT main.L_XQzs->clicked();
        QTimer::singleShot(1500, &main, [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *zone = qobject_cast<XQzs *>(w))
                    zone->cmdPing->click();
        });
    });
    return app.exec();
}
