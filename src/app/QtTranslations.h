#pragma once

class QCoreApplication;

// Qt's own Chinese texts (standard buttons such as "确定", dialogs, the
// context menus of text boxes), from the translations installed with Qt.
// The program speaks Chinese whatever the system's language. Returns false
// when no translation file could be loaded; Qt's English texts stay then.
bool loadQtTranslations(QCoreApplication &app);
