#include "FileDialog.h"

#include <QFileDialog>

namespace FileDialog {
namespace {

Handler &currentHandler()
{
    static Handler handler;
    return handler;
}

} // namespace

QString ask(QWidget *parent, const Request &request)
{
    if (const Handler &handler = currentHandler())
        return handler(request);
    if (request.mode == Mode::Folder)
        return QFileDialog::getExistingDirectory(parent, request.title, request.suggestedPath);
    if (request.mode == Mode::Save)
        return QFileDialog::getSaveFileName(parent, request.title, request.suggestedPath,
                                            request.filter);
    return QFileDialog::getOpenFileName(parent, request.title, request.suggestedPath,
                                        request.filter);
}

void setHandler(Handler handler) { currentHandler() = std::move(handler); }

Handler handler() { return currentHandler(); }

} // namespace FileDialog
