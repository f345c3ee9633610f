#pragma once

#include <QColor>
#include <QRect>
#include <QtGlobal>

// Positions and sizes are given in twips and colours as 0xBBGGRR values;
// both pass through these two conversions and nowhere else.

// Twips per pixel at 96 dpi. On high-dpi screens Qt scales the pixels.
inline constexpr double TwipsPerPixel = 15.0;

constexpr int twipsToPixels(double twips)
{
    const double px = twips / TwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr double pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

// A control's place and size given in twips.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// 0xBBGGRR to a colour.
inline QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
