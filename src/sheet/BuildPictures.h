#pragma once

#include "BuildCardLayout.h"

#include <QFont>
#include <QImage>
#include <QString>

struct BuildCardLayout;
struct RadarLayout;
class QPainter;

// Drawing the pictures of builds: the card and the radar chart. Everything
// is drawn at the picture's scale in device pixels (text, lines and the
// portrait scaled once to the final pixels), so a picture at scale 2 is as
// sharp as one at scale 1, and exactly twice as wide and high.

// The font of a card's text, at the card's scale 1 (pixel sizes).
QFont buildCardFont(CardText::Style style);

// The card; the portrait may be null (a grey frame with a notice instead).
QImage paintBuildCard(const BuildCardLayout &layout, const QImage &portrait, qreal scale);

// The chart, onto a painter whose coordinates are the layout's.
void paintRadar(QPainter &painter, const RadarLayout &layout);
QImage radarImage(const RadarLayout &layout, qreal scale);

// The character's portrait as the portrait window shows it: its own
// picture, else the ordinary character's, else a null image.
QImage loadPortrait(const QString &imagesDir, const QString &name);
