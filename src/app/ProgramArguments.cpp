#include "ProgramArguments.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <shellapi.h>

QStringList programArguments(int, char *[])
{
    QStringList arguments;
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
    }
    return arguments;
}

#else

QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

#endif
