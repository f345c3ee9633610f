#pragma once

#include "Abilities.h"
#include "Versions.h"

#include <QLineF>
#include <QList>
#include <QRectF>
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
};

BuildCardFacts buildCardFacts(const BuildEngine &engine, VersionNumber programVersion);

struct CardText {
    enum Style { Plain, Caption, Title, Footer };
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

BuildCardLayout buildCardLayout(const BuildCardFacts &facts);
