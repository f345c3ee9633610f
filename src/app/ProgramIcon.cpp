#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QTimer>
#include <algorithm>
#include <cstring>

QIcon programIcon()
{
    // Per picture: width, height (32 bits each), then ARGB32 rows
    // (tools/iconpixels writes them).
    const QByteArray data = QResource(QStringLiteral(":/icons/zrc-icon.argb")).uncompressedData();
    QIcon icon;
    qsizetype at = 0;
    while (at + 8 <= data.size()) {
        quint32 size[2];
        std::memcpy(size, data.constData() + at, sizeof size);
        at += sizeof size;
        const int width = int(std::min<quint32>(size[0], 4096)), height = int(std::min<quint32>(size[1], 4096));
        const qsizetype bytes = qsizetype(width) * height * 4;
        if (width == 0 || at + bytes > data.size())
            break;
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), data.constData() + at + qsizetype(y) * width * 4, size_t(width) * 4);
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
        at += bytes;
    }
    return icon;
}

namespace {

// Watches every object for the first paint, then sets the icon as soon as
// that paint is over, and goes.
class IconAfterFirstPaint : public QObject {
public:
    explicit IconAfterFirstPaint(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(programIcon());
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace

void useProgramIconAfterFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new IconAfterFirstPaint(QCoreApplication::instance()));
}
