#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here. The program shows a
// real modal box; tests install a recorder that answers at once.
//
// The text is always shown as written, never read as markup: messages carry
// names from the database, downloaded pages and pasted text, and a box left
// to guess the format would render them, loading any <img src> from disk.
namespace MessageBox {

// None: a box without an icon.
enum class Icon { Information, Warning, Critical, Question, None };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
};

// The common title of the program's messages.
inline const QString DefaultTitle = QStringLiteral("ZR角色助手提示：");

// Shows a message and returns the user's answer.
Answer show(const QString &text, Icon icon = Icon::Information,
            const QString &title = DefaultTitle, Buttons buttons = Buttons::Ok);

// Replaces what show() does; an empty function restores the real box.
using Handler = std::function<Answer(const Message &)>;
void setHandler(Handler handler);
// The handler in force (empty while the real box is used), so a recorder can
// put back what it found.
Handler handler();

} // namespace MessageBox
