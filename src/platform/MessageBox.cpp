#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace MessageBox {
namespace {

Handler &currentHandler()
{
    static Handler handler;
    return handler;
}

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer showReal(const Message &message)
{
    QMessageBox box(toQt(message.icon), message.title, QString(), toQt(message.buttons),
                    QApplication::activeWindow());
    // The format first: the box decides how to read a text when it is set.
    box.setTextFormat(Qt::PlainText);
    box.setText(message.text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default:
        // Closed with Escape or the title bar: the negative answer if there is one.
        return message.buttons == Buttons::YesNo    ? Answer::No
               : message.buttons == Buttons::OkCancel ? Answer::Cancel
                                                       : Answer::Ok;
    }
}

} // namespace

Answer show(const QString &text, Icon icon, const QString &title, Buttons buttons)
{
    const Message message{text, title, icon, buttons};
    if (const Handler &handler = currentHandler())
        return handler(message);
    return showReal(message);
}

void setHandler(Handler handler) { currentHandler() = std::move(handler); }

Handler handler() { return currentHandler(); }

} // namespace MessageBox
