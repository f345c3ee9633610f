#include "PictureHeader.h"

#include <QBuffer>
#include <QImageReader>

PictureHeader PictureHeader::inspect(const QByteArray &bytes)
{
    QByteArray copy = bytes; // QBuffer wants a non-const array; shared, not copied
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    PictureHeader out;
    if (!reader.canRead())
        return out;
    out.size = reader.size();
    if (!out.size.isValid() || out.size.isEmpty())
        return out;
    out.verdict = out.size.width() > LargeSide || out.size.height() > LargeSide ? Verdict::Large : Verdict::Readable;
    return out;
}
