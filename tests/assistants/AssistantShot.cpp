// Opens an assistant window on a data folder, for the screenshots in docs/
// (see docs/assistants.md):
//   assistant_shot --data-dir DIR --config FILE levelup [EXPERIENCE]
//   assistant_shot --data-dir DIR --config FILE skills TEAM CHARACTER POSITION [ENTRY]
// It stays open until it is ended.

#include "AppFont.h"
#include "AppPaths.h"
#include "ComboSelect.h"
#include "LevelUpDigitBox.h"
#include "LevelUpWindow.h"
#include "Main.h"
#include "SkillsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppPaths::init(QApplication::arguments());
    useProgramFont(app);

    QStringList words;
    const QStringList args = QApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i].startsWith(u'-'))
            ++i; // the option's value
        else
            words.append(args[i]);
    }
    if (words.isEmpty())
        return 2;

    Main main;
    main.show();
    LevelUpWindow levelUp(&main);
    SkillsWindow skills(main.engine(), &main);
    QTimer::singleShot(300, &main, [&] {
        if (words[0] == u"levelup") {
            levelUp.move(40, 40);
            levelUp.show();
            if (words.size() > 1)
                levelUp.Text_Srjy->setText(words[1]);
        } else if (words.size() >= 4) {
            selectEntry(main.Qiudui, words[1]);
            selectEntry(main.Xingming, words[2]);
            selectEntry(main.findChild<QComboBox *>(QStringLiteral("ZYe")), words[3]);
            skills.move(40, 40);
            skills.show();
            const QList<QListWidgetItem *> found =
                words.size() > 4 ? skills.Skill->findItems(words[4], Qt::MatchExactly) : QList<QListWidgetItem *>();
            if (!found.isEmpty())
                skills.Skill->setCurrentItem(found.first());
        }
    });
    return app.exec();
}
