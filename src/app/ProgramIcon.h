#pragma once

#include <QIcon>

// The window icon: the picture the desktop shows (packaging/icons), built
// into the program as raw pixels. Decoding a picture would load every
// image-format plugin before the first window is up.
QIcon programIcon();
