#pragma once

#include <QImage>

class QGroupBox;

// The Fusion style draws a group box's frame from a picture it decodes from
// Qt's resources on first paint, and decoding any picture makes Qt query
// every image-format plugin it has (GIF, ICO, JPEG and libjpeg are mapped
// while the main window first paints). useBuiltInFrame() has the box drawn
// from the same picture held as pixels instead; under any other style the
// box is left to the style.
void useBuiltInFrame(QGroupBox *box);

// The picture, pixel for pixel the one the Fusion style reads (98 x 38,
// ARGB32).
QImage groupBoxFramePicture();
