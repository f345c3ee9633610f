#pragma once

#include <QString>

class QImage;
class QWidget;

// Pictures the player takes away: onto the clipboard, or into a PNG file
// chosen through the file dialog.
namespace PictureFile {

void copy(const QImage &image);

// Asks for a file (suggested: the name in the pictures folder), adds ".png"
// when the name has no extension and writes the picture as PNG. A failed
// write is told in a message box and changes no file. The path written, or
// an empty string when the player cancelled or the write failed.
QString save(QWidget *parent, const QImage &image, const QString &title, const QString &suggestedName);

} // namespace PictureFile
