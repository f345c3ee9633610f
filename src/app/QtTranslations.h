#pragma once

#include <QStringList>

class QCoreApplication;

// Qt's own Chinese texts (standard buttons such as "确定", dialogs, the
// context menus of text boxes), from the translations installed with Qt.
// The program speaks Chinese whatever the system's language. Returns false
// when no translation file could be loaded; Qt's English texts stay then.
bool loadQtTranslations(QCoreApplication &app);

// The files of the translators loadQtTranslations() installed and that are
// still there (the start-up probe prints them).
QStringList installedQtTranslations();
