#include "Cards.h"

#include "Database.h"
#include "GenerationError.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QString cardFamily;

// Colour of a position class; the ordinary character is grey.
QColor classColour(const CharacterCard &c)
{
    if (c.name == u"普通角色")
        return QColor(0x7a, 0x7f, 0x88);
    if (c.positionClass == u"C")
        return QColor(0xc8, 0x4b, 0x2c);
    if (c.positionClass == u"F")
        return QColor(0x2e, 0x93, 0x57);
    if (c.positionClass == u"G")
        return QColor(0x2f, 0x67, 0xc4);
    if (c.positionClass == u"可选择")
        return QColor(0x86, 0x4c, 0xc0);
    return QColor(0x60, 0x60, 0x60);
}

QFont cardFont(int pixels, bool bold)
{
    QFont font(cardFamily);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void chooseCardFont()
{
    static const char16_t *const preferred[] = {u"WenQuanYi Micro Hei", u"Microsoft YaHei",
                                                u"Noto Sans CJK SC", u"SimHei"};
    static const char *const files[] = {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"};
    for (const char *file : files)
        if (QFileInfo::exists(QString::fromUtf8(file)))
            QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = QFontDatabase::families();
    for (const char16_t *family : preferred) {
        if (families.contains(QString::fromUtf16(family))) {
            cardFamily = QString::fromUtf16(family);
            return;
        }
    }
    // Still draw the cards; the names may come out as boxes.
    qWarning("zrc-samplegen: no CJK font found, names on the pictures may not be readable");
}

QImage portraitCard(const CharacterCard &c)
{
    QImage image(160, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor base = classColour(c);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, base.lighter(150));
    sky.setColorAt(1, base.darker(130));
    p.fillRect(image.rect(), sky);

    // Head and shoulders.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(80, 66), 28, 30);
    QPainterPath shoulders;
    shoulders.addRoundedRect(QRectF(30, 102, 100, 70), 40, 40);
    p.drawPath(shoulders);

    // Name strip.
    p.fillRect(QRect(0, 150, 160, 50), QColor(0, 0, 0, 120));
    p.setPen(Qt::white);
    p.setFont(cardFont(22, true));
    p.drawText(QRect(0, 150, 160, 50), Qt::AlignCenter, c.name);

    // Class and height badges.
    p.setFont(cardFont(13, true));
    p.drawText(QRect(8, 6, 72, 20), Qt::AlignLeft | Qt::AlignVCenter, c.positionClass);
    p.drawText(QRect(80, 6, 72, 20), Qt::AlignRight | Qt::AlignVCenter, c.height);
    return image;
}

QImage tourCard(int page, const QString &title, const QString &text)
{
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 480, 360);
    sky.setColorAt(0, QColor(0xe8, 0x63, 0x2b));
    sky.setColorAt(1, QColor(0x1f, 0x3b, 0x5a));
    p.fillRect(image.rect(), sky);

    // A ball, so the pages look like a game's tour.
    p.setPen(QPen(QColor(0x40, 0x20, 0x10), 3));
    p.setBrush(QColor(0xf2, 0x8c, 0x28));
    p.drawEllipse(QPointF(400, 80), 46, 46);
    p.drawLine(QPointF(354, 80), QPointF(446, 80));
    p.drawLine(QPointF(400, 34), QPointF(400, 126));

    p.setPen(Qt::white);
    p.setFont(cardFont(34, true));
    p.drawText(QRect(30, 40, 340, 60), Qt::AlignLeft | Qt::AlignVCenter, u"ZR角色助手 3.2"_qs);
    p.setFont(cardFont(24, true));
    p.drawText(QRect(30, 140, 420, 40), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(cardFont(17, false));
    p.drawText(QRect(30, 190, 420, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    p.setFont(cardFont(14, false));
    p.drawText(QRect(30, 310, 420, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 / 3　点击图片继续").arg(page));
    return image;
}

void writeJpeg(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "jpg");
    writer.setQuality(80);
    if (!writer.write(image))
        fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}
