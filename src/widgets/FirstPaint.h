#pragma once

#include <functional>

class QWidget;

// Runs `then` once `widget` has painted for the first time, as soon as that
// paint is over: work the first sight of a window need not wait for. Nothing
// runs if the widget is destroyed first.
void afterFirstPaint(QWidget *widget, std::function<void()> then);
