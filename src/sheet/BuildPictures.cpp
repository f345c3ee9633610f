#include "BuildPictures.h"

#include "BuildCardLayout.h"
#include "PortraitPicture.h"
#include "RadarGeometry.h"
#include "RegularFile.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace {

QColor colour(quint32 bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

// Pixel sizes, so a picture does not depend on the screen's dots per inch.
QFont font(int pixelSize, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}


} // namespace

QFont buildCardFont(CardText::Style style)
{
    switch (style) {
    case CardText::Title: return font(24, true);
    case CardText::Caption: return font(15, true);
    case CardText::Footer: return font(12);
    case CardText::Pick: return font(14);
    case CardText::Plain: break;
    }
    return font(15);
}

namespace {

QImage blank(QSize size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

// The portrait scaled once, to the device pixels it covers, and centred.
void drawPortrait(QPainter &p, const QRectF &area, const QImage &portrait, qreal scale)
{
    if (portrait.isNull()) {
        p.setPen(colour(0xC0C0C0));
        p.setBrush(colour(0xF2F2F2));
        p.drawRect(area);
        p.setPen(colour(0x808080));
        p.setFont(font(13));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("无头像"));
        return;
    }
    QImage scaled = portrait.scaled((area.size() * scale).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(scale);
    const QSizeF shown = scaled.deviceIndependentSize();
    p.drawImage(QPointF(area.x() + (area.width() - shown.width()) / 2, area.y() + (area.height() - shown.height()) / 2),
                scaled);
}

} // namespace

QImage paintBuildCard(const BuildCardLayout &layout, const QImage &portrait, qreal scale)
{
    QImage image = blank(layout.size, scale);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    drawPortrait(p, layout.picture, portrait, scale);

    p.setPen(QPen(colour(0xC0C0C0), 1));
    for (const QLineF &rule : layout.rules)
        p.drawLine(rule);

    p.setPen(Qt::NoPen);
    p.setBrush(colour(BuildCardBarColour));
    for (const CardBar &bar : layout.bars)
        p.drawRect(bar.rect);

    for (const CardText &t : layout.texts) {
        p.setFont(buildCardFont(t.style));
        p.setPen(colour(t.colour));
        p.drawText(t.rect, Qt::AlignVCenter | (t.alignRight ? Qt::AlignRight : Qt::AlignLeft),
                   p.fontMetrics().elidedText(t.text, Qt::ElideRight, int(t.rect.width())));
    }
    return image;
}

void paintRadar(QPainter &p, const RadarLayout &l)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour(0xD8D8D8), 1));
    for (const RadarPolygon &ring : l.rings)
        p.drawPolyline(QPolygonF(ring));
    p.setPen(QPen(colour(0xB0B0B0), 1));
    for (const QPointF &end : l.axisEnds)
        p.drawLine(l.centre, end);

    p.setFont(font(11));
    p.setPen(colour(0x808080));
    for (const RadarText &t : l.ringValues)
        p.drawText(t.rect, Qt::AlignLeft | Qt::AlignVCenter, t.text);
    p.setFont(font(13, true));
    p.setPen(colour(0x404040));
    for (const RadarText &t : l.axisNames)
        p.drawText(t.rect, Qt::AlignCenter, t.text);

    for (qsizetype s = 0; s < l.polygons.size(); ++s) {
        QColor fill = colour(l.colours[s]);
        fill.setAlpha(40);
        p.setBrush(fill);
        p.setPen(QPen(colour(l.colours[s]), 2));
        p.drawPolygon(QPolygonF(l.polygons[s]));
    }

    p.setFont(font(13));
    for (qsizetype s = 0; s < l.legend.size(); ++s) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour(l.colours[s]));
        p.drawRect(l.swatches[s]);
        p.setPen(colour(0x000000));
        const RadarText &t = l.legend[s];
        p.drawText(t.rect, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(t.text, Qt::ElideRight, int(t.rect.width())));
    }
}

QImage radarImage(const RadarLayout &layout, qreal scale)
{
    QImage image = blank(layout.size.toSize(), scale);
    QPainter p(&image);
    paintRadar(p, layout);
    return image;
}

QImage loadPortrait(const QString &imagesDir, const QString &name)
{
    for (const QString &path : portraitPictures(imagesDir, name)) {
        const RegularFile::Contents file = RegularFile::read(path);
        QImage image;
        if (file.ok() && image.loadFromData(file.bytes))
            return image;
    }
    return QImage();
}
