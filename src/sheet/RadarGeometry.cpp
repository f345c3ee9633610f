#include "RadarGeometry.h"

#include "ComparisonSlots.h"
#include "Numbers.h"

#include <QtMath>
#include <algorithm>

namespace {

// Slot colours, 0xBBGGRR, one per slot in slot order.
constexpr std::array<quint32, ComparisonSlots::SlotCount> SlotColours{
    0x0000E0, // red
    0xD07000, // blue
    0x009000, // green
    0x0080F0, // orange
    0xA000A0, // purple
};

constexpr double Margin = 12;
constexpr double LabelRoom = 44;     // between the outer ring and the picture's edge
constexpr double NameDistance = 20;  // from the outer ring to the middle of an axis name
constexpr double AxisNameWidth = 48;
constexpr double AxisNameHeight = 20;
constexpr double LegendLine = 22;
constexpr double SwatchSize = 14;
constexpr int RingCount = 5;
// Grid rows the legend reads, besides the character.
constexpr int PositionRow = 1, LevelRow = 3;

QPointF onAxis(QPointF centre, double radius, int axis)
{
    const double angle = 2 * M_PI * axis / AbilityCount;
    return centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

QRectF centredOn(QPointF at, double width, double height)
{
    return QRectF(at.x() - width / 2, at.y() - height / 2, width, height);
}

} // namespace

QList<RadarSeries> radarSeries(const std::function<QString(int, int)> &cell)
{
    QList<RadarSeries> out;
    for (int n = 1; n <= ComparisonSlots::SlotCount; ++n) {
        if (!startsWithNumber(cell(n, FirstAbilityRow)))
            continue;
        RadarSeries s;
        s.slot = n;
        QStringList words;
        for (int row : {CharacterRow, PositionRow, LevelRow})
            if (const QString t = cell(n, row).trimmed(); !t.isEmpty())
                words.append(t);
        // A slot without these texts still needs a line in the legend.
        s.legend = words.isEmpty() ? QStringLiteral("第%1列").arg(n) : words.join(QStringLiteral("  "));
        for (int i = 0; i < AbilityCount; ++i)
            s.values[i] = leadingNumber(cell(n, FirstAbilityRow + i));
        out.append(s);
    }
    return out;
}

double radarAxisMax(const QList<RadarSeries> &series)
{
    double top = 0;
    for (const RadarSeries &s : series)
        for (double v : s.values)
            top = std::max(top, v);
    return std::max(10.0, std::ceil(top / 10) * 10);
}

quint32 radarColour(int slot) { return SlotColours.at((slot - 1) % SlotColours.size()); }

RadarLayout radarLayout(const QList<RadarSeries> &series, QSizeF size)
{
    RadarLayout l;
    l.size = size;
    l.axisMax = radarAxisMax(series);

    const double legendHeight = series.isEmpty() ? 0 : series.size() * LegendLine + Margin;
    const double chartHeight = size.height() - legendHeight;
    l.centre = QPointF(size.width() / 2, chartHeight / 2);
    l.radius = std::max(0.0, std::min(size.width(), chartHeight) / 2 - LabelRoom);

    for (int i = 0; i < AbilityCount; ++i) {
        l.axisEnds[i] = onAxis(l.centre, l.radius, i);
        l.axisNames[i] = {centredOn(onAxis(l.centre, l.radius + NameDistance, i), AxisNameWidth, AxisNameHeight),
                          Abilities[i].name.toString()};
    }

    for (int k = 1; k <= RingCount; ++k) {
        const double r = l.radius * k / RingCount;
        RadarPolygon ring;
        for (int i = 0; i <= AbilityCount; ++i)
            ring.append(onAxis(l.centre, r, i % AbilityCount));
        l.rings.append(ring);
        const QPointF at = onAxis(l.centre, r, 0);
        l.ringValues.append({QRectF(at.x() + 3, at.y() - AxisNameHeight / 2, AxisNameWidth, AxisNameHeight),
                             plainNumber(l.axisMax * k / RingCount)});
    }

    for (qsizetype s = 0; s < series.size(); ++s) {
        RadarPolygon polygon;
        for (int i = 0; i <= AbilityCount; ++i) {
            const double v = std::max(0.0, series[s].values[i % AbilityCount]);
            polygon.append(onAxis(l.centre, l.radius * v / l.axisMax, i % AbilityCount));
        }
        l.polygons.append(polygon);
        l.colours.append(radarColour(series[s].slot));

        const double top = chartHeight + s * LegendLine;
        l.swatches.append(QRectF(Margin, top + (LegendLine - SwatchSize) / 2, SwatchSize, SwatchSize));
        const double textLeft = Margin + SwatchSize + 8;
        l.legend.append({QRectF(textLeft, top, size.width() - textLeft - Margin, LegendLine), series[s].legend});
    }
    return l;
}
