#pragma once

#include <QStringList>

// The pictures to try for a character, in order, those that exist: its own
// "<name>.jpg" in the pictures folder, then the ordinary character's
// picture. None left means the window prints its missing-picture notice.
QStringList portraitPictures(const QString &imagesDir, const QString &name);
