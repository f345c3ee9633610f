#include "GroupBoxFrame.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <array>
#include <qdrawutil.h>

namespace {

// The frame picture is a rounded rectangle whose rows and columns repeat
// between the corners: its 13 x 13 core (six corner pixels, one repeated
// pixel, six corner pixels each way) spreads to 98 x 38. One letter a pixel;
// a blank is the inside.
constexpr int PictureWidth = 98, PictureHeight = 38, Corner = 6, CoreSize = 2 * Corner + 1;
constexpr std::array<const char *, CoreSize> Core{{
    ".............",
    ".abcddddddcef",
    ".gijkllllkjmn",
    ".co        oc",
    ".dk        kd",
    ".dl        ld",
    ".dl        ld",
    ".dl        ld",
    ".dl        ld",
    ".dk        kd",
    ".co        oc",
    ".nmjkllllkjig",
    ".fecddddddcba",
}};
struct Colour {
    char letter;
    QRgb argb;
};
constexpr std::array<Colour, 16> Colours{{
    {'.', 0x00ffffff}, {'a', 0x0d272727}, {'b', 0x345d5d5d}, {'c', 0x346c6c6c},
    {'d', 0x32757575}, {'e', 0x37666666}, {'f', 0x0c151515}, {'g', 0x39626262},
    {'i', 0x1f5a5a5a}, {'j', 0x0a000000}, {'k', 0x08000000}, {'l', 0x07000000},
    {'m', 0x1e5e5e5e}, {'n', 0x355b5b5b}, {'o', 0x09000000}, {' ', 0x03000000},
}};

QRgb colourOf(char letter)
{
    for (const Colour &c : Colours)
        if (c.letter == letter)
            return c.argb;
    return 0;
}

// Position in the core of a picture pixel along one axis of `size` pixels.
int coreIndex(int at, int size)
{
    return at < Corner ? at : at >= size - Corner ? at - (size - CoreSize) : Corner;
}

// The Fusion style with the group-box frame drawn from the built-in picture,
// as Fusion draws it from its own.
class BuiltInFrameStyle : public QProxyStyle {
public:
    BuiltInFrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        constexpr int TopMargin = 3;
        int top = TopMargin;
        const auto *box = qobject_cast<const QGroupBox *>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        if (m_picture.isNull())
            m_picture = QPixmap::fromImage(groupBoxFramePicture());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), m_picture);
    }

private:
    mutable QPixmap m_picture; // made at the first paint
};

} // namespace

QImage groupBoxFramePicture()
{
    std::array<std::array<QRgb, CoreSize>, CoreSize> core{};
    for (int y = 0; y < CoreSize; ++y)
        for (int x = 0; x < CoreSize; ++x)
            core[size_t(y)][size_t(x)] = colourOf(Core[size_t(y)][x]);
    QImage picture(PictureWidth, PictureHeight, QImage::Format_ARGB32);
    for (int y = 0; y < PictureHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const auto &row = core[size_t(coreIndex(y, PictureHeight))];
        for (int x = 0; x < PictureWidth; ++x)
            line[x] = row[size_t(coreIndex(x, PictureWidth))];
    }
    return picture;
}

void useBuiltInFrame(QGroupBox *box)
{
    if (QApplication::style()->name().compare(u"fusion", Qt::CaseInsensitive) != 0)
        return;
    // One style for every such box, alive as long as the application.
    static QStyle *const style = [] {
        auto *s = new BuiltInFrameStyle;
        s->setParent(qApp);
        return s;
    }();
    box->setStyle(style);
}
