#include "SystemColours.h"

#include "Units.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QColor activeBorderColour()
{
#ifdef Q_OS_WIN
    return fromBgr(GetSysColor(COLOR_ACTIVEBORDER));
#else
    // The classic desktop's active border: light grey.
    return fromBgr(0xB4B4B4);
#endif
}
