#pragma once

// The main window's fade-in at start-up and fade-out on closing, without the
// window: the window applies opacity() after each tick of Timer2 (fade-in,
// 10 ms) and Timer3 (fade-out, 16 ms).
class Fade {
public:
    // At load: fully transparent, level 10, fading in.
    void begin();
    // Timer2: level + 5. Returns false once the fade-in is over (level above
    // 254) and Timer2 must stop. From 10 that is the 49th tick, at 255.
    bool fadeInTick();
    // A close request. Returns true when the window may close (the fade-out
    // has finished); otherwise the close is refused: the level goes to 255,
    // the fade-in stops and the fade-out (Timer3) runs.
    bool requestClose();
    // Timer3: level - 5. Returns true when the level is 10 or less: Timer3
    // stops, closed() becomes true and the exit routine must run. From 255
    // that is the 49th tick.
    bool fadeOutTick();

    int level() const { return m_level; }
    bool closed() const { return m_closed; }
    bool fadingIn() const { return m_fadingIn; }
    bool fadingOut() const { return m_fadingOut; }
    // The window's opacity: 0 right after begin() (the window starts fully
    // transparent), then level / 255 as set by each tick and close request.
    double opacity() const { return m_alpha / 255.0; }

private:
    int m_level = 255;
    int m_alpha = 255;
    bool m_closed = false;
    bool m_fadingIn = false;
    bool m_fadingOut = false;
};
