#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every save and open dialog of the program goes through here. The program
// shows a real modal file dialog; tests install an answerer, since a modal
// dialog would block an offscreen test.
namespace FileDialog {

enum class Mode { Open, Save, Folder }; // Folder: an existing folder

struct Request {
    Mode mode = Mode::Open;
    QString title;
    QString suggestedPath; // folder, or folder plus suggested file name
    QString filter;        // e.g. "能力表 (*.txt);;所有文件 (*)"
};

// Asks for a file; an empty string means the player cancelled.
QString ask(QWidget *parent, const Request &request);

// Replaces what ask() does; an empty function restores the real dialog.
using Handler = std::function<QString(const Request &)>;
void setHandler(Handler handler);
Handler handler();

} // namespace FileDialog
