#pragma once

class QCoreApplication;

// Qt's own texts (message-box buttons, editing menus, command-line errors)
// in the user's language, from the translations installed with Qt.
void useQtTranslations(QCoreApplication &app);
