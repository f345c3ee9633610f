#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Lets a borderless window be dragged by its surface with the left button:
// install it on the window (or on a child that covers it). Moves follow the
// pointer in whole twips, as the window's own coordinates are kept.
class SurfaceDrag : public QObject {
public:
    explicit SurfaceDrag(QWidget *window, QWidget *surface = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_fromTwips;
};
