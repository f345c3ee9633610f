#pragma once

#include <QRect>
#include <array>

class QFrame;
class QWidget;

// The four thin lines that frame a label button of a borderless window
// while the pointer is on it (Line1 top, Line2 bottom, Line3 left, Line4
// right). The button's rectangle and the gap are in twips; the lines start
// hidden.
using ButtonFrame = std::array<QFrame *, 4>;

ButtonFrame makeButtonFrame(QWidget *parent, const QRect &buttonTwips, int gapTwips, quint32 bgr);
void showButtonFrame(const ButtonFrame &lines, bool shown);
