// Opens the guide window on a data folder as a first run shows it, for the
// screenshots in docs/ (see docs/shell.md):
//   guide_window_shot --data-dir DIR --config FILE [--readme]
// Without --readme it shows the tour's first picture; with it, the guide
// steps through the pictures to the readme and the start button appears
// three seconds later. It stays open until it is ended.

#include "AppFont.h"
#include "AppPaths.h"
#include "GuideWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);

    GuideWindow guide([] {});
    guide.Form_Load();
    if (QApplication::arguments().contains(QStringLiteral("--readme"))) {
        QTimer::singleShot(300, &guide, [&guide] {
            guide.Picture1_Click();
            guide.Picture2_Click();
            guide.Picture3_Click();
        });
    }
    return app.exec();
}
