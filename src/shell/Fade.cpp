#include "Fade.h"

void Fade::begin()
{
    m_alpha = 0;
    m_level = 10;
    m_fadingIn = true;
}

bool Fade::fadeInTick()
{
    if (!m_fadingIn)
        return false;
    m_level += 5;
    m_alpha = m_level;
    if (m_level > 254)
        m_fadingIn = false;
    return m_fadingIn;
}

bool Fade::requestClose()
{
    if (m_closed)
        return true;
    // Stopping the fade-in keeps the two timers from both moving the level.
    m_fadingIn = false;
    m_level = 255;
    m_fadingOut = true;
    return false;
}

bool Fade::fadeOutTick()
{
    if (!m_fadingOut)
        return false;
    m_level -= 5;
    m_alpha = m_level;
    if (m_level > 10)
        return false;
    m_fadingOut = false;
    m_closed = true;
    return true;
}
