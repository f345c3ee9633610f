#include "WebSandbox.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

bool allowWebViewsAsRoot()
{
#ifdef Q_OS_UNIX
    if (geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return false;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    std::fputs("zrc: running as root, so the web views run without the web engine's sandbox\n", stderr);
    return true;
#else
    return false;
#endif
}
