#include "CliOutput.h"

#include "TerminalText.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <algorithm>
#include <fcntl.h>
#include <io.h>

namespace {

// Where a standard stream goes on Windows, settled on its first write: a
// console gets UTF-16 through WriteConsoleW (its code page stays as the user
// set it); a pipe or a file gets the UTF-8 bytes unchanged, the C library's
// text mode switched off so that LF stays LF. A program without a console
// of its own (zrc.exe) borrows the one it was started from; started from
// none, it shows the text in a message box.
enum class Sink { Bytes, Console, Box };

Sink sinkFor(FILE *stream)
{
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if ((!handle || handle == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        handle = GetStdHandle(which);
    if (!handle || handle == INVALID_HANDLE_VALUE)
        return Sink::Box;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return Sink::Console;
    _setmode(_fileno(stream), _O_BINARY);
    return Sink::Bytes;
}

} // namespace

namespace {

void writeText(FILE *stream, const QString &text)
{
    static const Sink out = sinkFor(stdout);
    static const Sink err = sinkFor(stderr);
    const Sink sink = stream == stdout ? out : stream == stderr ? err : Sink::Bytes;
    if (sink == Sink::Console) {
        std::fflush(stream);
        HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
        const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
        // Large writes to a console fail on some versions: a few kB at a time.
        for (qsizetype at = 0; at < text.size();) {
            qsizetype n = std::min<qsizetype>(text.size() - at, 4096);
            if (n < text.size() - at && text[at + n - 1].isHighSurrogate())
                --n;
            DWORD written = 0;
            if (!WriteConsoleW(handle, units + at, DWORD(n), &written, nullptr) || written == 0)
                return;
            at += written;
        }
        return;
    }
    if (sink == Sink::Box) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"zrc",
                    stream == stderr ? MB_ICONWARNING : MB_ICONINFORMATION);
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

#else

namespace {

void writeText(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

#endif

void writeOut(FILE *stream, const QString &text, CliText kind)
{
    writeText(stream, kind == CliText::Json ? TerminalText::escapedJson(text) : TerminalText::escaped(text));
}
