#pragma once

// Position of the rolling tip-line strip inside the main window, in twips.
// The strip holds one label; it scrolls to the left and enters again from
// the main window's right edge once it has almost left on the left.
class TipStrip {
public:
    static constexpr double StepTwips = 15;
    static constexpr double ReenterAtTwips = 240;

    double left() const { return m_left; }
    double width() const { return m_width; }
    void place(double left, double width)
    {
        m_left = left;
        m_width = width;
    }

    // After a new text: start from the middle of the window.
    void restart(double mainWidth, double tipWidth) { place(mainWidth / 2, tipWidth); }

    // One scrolling step; returns true when the strip re-entered on the right.
    bool tick(double mainWidth)
    {
        m_left -= StepTwips;
        if (m_left + m_width <= ReenterAtTwips) {
            m_left = mainWidth;
            return true;
        }
        return false;
    }

private:
    double m_left = 0;
    double m_width = 0;
};
