#pragma once

#include "Abilities.h"
#include "Numbers.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <functional>

// The radar chart of the comparison window, without widgets: which slots it
// draws, the scale of its axes and every point, rectangle and text of the
// picture. The painter only draws what this says.

// One drawn slot: its number (1 … 5, which decides its colour), the legend
// text and the twelve values as the cells read.
struct RadarSeries {
    int slot = 0;
    QString legend; // character, position and level ("第n列" when all three are empty)
    std::array<double, AbilityCount> values{};
};

// The cell texts of the slots, row by row as in the comparison grid
// (cell(n, row), n = 1 … 5). A slot is drawn when its 跑动 cell starts with a
// number; every value is read by its leading number.
QList<RadarSeries> radarSeries(const std::function<QString(int slot, int row)> &cell);

// The outer end of every axis: the largest value of the series rounded up to
// a multiple of 10, and 10 at least.
double radarAxisMax(const QList<RadarSeries> &series);

// Colour of a slot, 0xBBGGRR.
quint32 radarColour(int slot);

// A closed line of points (QtCore has no polygon type).
using RadarPolygon = QList<QPointF>;

struct RadarText {
    QRectF rect;
    QString text;
};

struct RadarLayout {
    QSizeF size;
    QPointF centre;
    double radius = 0;
    double axisMax = 10;
    std::array<QPointF, AbilityCount> axisEnds{};
    std::array<RadarText, AbilityCount> axisNames;
    // The grid: one ring per step of 10 (or of a larger round step), its
    // value written beside the first axis.
    QList<RadarPolygon> rings;
    QList<RadarText> ringValues;
    // One closed polygon per series (the first point repeated at the end).
    QList<RadarPolygon> polygons;
    QList<quint32> colours;
    // The legend, one line per series: a colour swatch and its text.
    QList<QRectF> swatches;
    QList<RadarText> legend;
};

// The chart for a picture of the given size, in pixels. Axis i points
// straight up for 跑动 and turns clockwise by 30 degrees for each next
// ability; a value v lies at v / axisMax of the radius, a negative one at
// the centre. The legend stands at the bottom.
RadarLayout radarLayout(const QList<RadarSeries> &series, QSizeF size);
