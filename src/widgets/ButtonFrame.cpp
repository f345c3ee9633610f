#include "ButtonFrame.h"

#include "Units.h"

#include <QFrame>

namespace {

QFrame *frameLine(const QString &name, int left, int top, int width, int height, quint32 bgr,
                  QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, fromBgr(bgr));
    line->setPalette(palette);
    line->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                      twipsToPixels(height));
    line->hide();
    return line;
}

} // namespace

ButtonFrame makeButtonFrame(QWidget *parent, const QRect &button, int gap, quint32 bgr)
{
    const int left = button.left() - gap, top = button.top() - gap;
    const int right = button.left() + button.width() + gap;
    const int bottom = button.top() + button.height() + gap;
    return {frameLine(QStringLiteral("Line1"), left, top, right - left, 15, bgr, parent),
            frameLine(QStringLiteral("Line2"), left, bottom, right - left + 15, 15, bgr, parent),
            frameLine(QStringLiteral("Line3"), left, top, 15, bottom - top, bgr, parent),
            frameLine(QStringLiteral("Line4"), right, top, 15, bottom - top, bgr, parent)};
}

void showButtonFrame(const ButtonFrame &lines, bool shown)
{
    for (QFrame *line : lines)
        line->setVisible(shown);
}
