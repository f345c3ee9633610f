// zrc-iconpixels OUT PNG...: writes the pictures as raw pixels, so the
// program sets its window icon without decoding a picture (decoding one
// loads every image-format plugin Qt has). OUT holds, per picture, its width
// and height (32-bit, this machine's byte order) and then its pixels as
// QImage::Format_ARGB32, row after row.

#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zrc-iconpixels OUT PNG...\n");
        return 2;
    }
    QByteArray out;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]), "PNG").convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            std::fprintf(stderr, "zrc-iconpixels: cannot read %s\n", argv[i]);
            return 1;
        }
        const quint32 size[2] = {quint32(image.width()), quint32(image.height())};
        out.append(reinterpret_cast<const char *>(size), sizeof size);
        for (int y = 0; y < image.height(); ++y)
            out.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "zrc-iconpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
