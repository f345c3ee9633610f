#pragma once

#include <QColor>

// The system's colour of an active window's border, used behind a hovered
// close link.
QColor activeBorderColour();
