#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>
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
