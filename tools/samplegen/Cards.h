#pragma once

#include <QImage>
#include <QString>

struct CharacterCard;

// Picks a font that can draw Chinese (WenQuanYi Micro Hei on Debian, a
// system CJK font elsewhere). Call once after the application object exists.
void chooseCardFont();

// A 160 × 200 portrait card: a colour for the position class, a silhouette,
// the name, class and height.
QImage portraitCard(const CharacterCard &character);

// A 480 × 360 picture of the first-run tour (page 1 to 3).
QImage tourCard(int page, const QString &title, const QString &text);

// Writes a JPEG of modest size; fails loudly.
void writeJpeg(const QImage &image, const QString &path);
