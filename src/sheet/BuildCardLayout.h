#pragma once

#include "Abilities.h"
#include "Versions.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QString>
#include <array>

class BuildEngine;

// A build as a picture for a chat window ("the card"), without widgets:
// what it shows, read from what the calculator shows, and where every
// piece stands. The painter only draws what the layout says; the window and
// zrc-cli share both.

struct BuildCardFacts {
    QString character, team, position, height, level, training, vip;
    struct Ability {
        QString name;   // 跑动 …
        QString text;   // as the ability label shows it
        double value = 0;
        quint32 colour = 0;       // the value's colour, 0xBBGGRR (red when raised)
        QString marker;           // deviation from the base record, "" when none
        quint32 markerColour = 0; // the caption takes it, as on the portrait window
    };
    std::array<Ability, AbilityCount> abilities;
    QString total, totalMarker;
    quint32 totalMarkerColour = 0;
    QString program; // "ZR角色助手 V3.2"
    // The picks, one line each ("有鞋装：中投+11跑动+10"), in the sheet's
    // order; lists answered with 不选择 and lists not answered yet are left out.
    QStringList picks;
};

BuildCardFacts buildCardFacts(const BuildEngine &engine, VersionNumber programVersion);

struct CardText {
    enum Style { Plain, Caption, Title, Footer, Pick };
    QRectF rect;
    QString text;
    Style style = Plain;
    quint32 colour = 0; // 0xBBGGRR
    bool alignRight = false;
};

struct CardBar {
    QRectF rect;
    int ability = 0;
};

struct BuildCardLayout {
    QSize size; // whole pixels, so a picture at scale 2 is exactly twice as large
    QRectF picture;
    QList<CardText> texts;
    std::array<CardBar, AbilityCount> bars;
    QList<QLineF> rules;
};

inline constexpr int BuildCardWidth = 600;
// Bars: a value of 100 or more fills the whole track, as on the portrait window.
inline constexpr double BuildCardTrackWidth = 360;
inline constexpr quint32 BuildCardBarColour = 0xFF8000;
// The picks stand in two columns of fixed-height rows. A line longer than
// this many characters is cut (its last one a "…"), so that it fits its
// column in any font whose characters are at most one em wide: the card's
// size follows from the build alone.
inline constexpr int BuildCardPickCharacters = 18;

// The text cut to at most `characters` characters (code points), "…" last
// when something was cut.
QString cutToCharacters(const QString &text, int characters);

BuildCardLayout buildCardLayout(const BuildCardFacts &facts);
