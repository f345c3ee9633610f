#pragma once

#include <QIcon>

// The window icon: the picture the desktop shows (packaging/icons), built
// into the program as raw pixels. Decoding a picture would load every
// image-format plugin before the first window is up.
QIcon programIcon();

// Makes programIcon() the icon of every window once the first window has
// painted. A window created with an icon hands it to the window system
// twice, converting the 256-pixel picture each time; set afterwards, each
// window converts it once, and the first paint doesn't wait for it.
void useProgramIconAfterFirstPaint();
