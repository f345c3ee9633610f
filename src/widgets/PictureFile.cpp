#include "PictureFile.h"

#include "FileDialog.h"
#include "MessageBox.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStandardPaths>

namespace PictureFile {

void copy(const QImage &image)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
}

QString save(QWidget *parent, const QImage &image, const QString &title, const QString &suggestedName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString path = FileDialog::ask(parent, {FileDialog::Mode::Save, title,
                                            folder.isEmpty() ? suggestedName : QDir(folder).filePath(suggestedName),
                                            QStringLiteral("PNG 图片 (*.png)")});
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = image.save(&buffer, "PNG");
    const RegularFile::Problem problem = encoded ? RegularFile::write(path, png) : RegularFile::Problem::Failed;
    if (problem != RegularFile::Problem::None) {
        MessageBox::show(u"图片没有保存：" + QDir::toNativeSeparators(path) + u"\r\n" + RegularFile::describe(problem),
                         MessageBox::Icon::Warning);
        return QString();
    }
    return path;
}

} // namespace PictureFile
