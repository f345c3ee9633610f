#include "CliInput.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#  include <QString>
#  include <qt_windows.h>

#  include <fcntl.h>
#  include <io.h>
#  include <iterator>
#  include <optional>
#endif

namespace CliInput {

namespace {

#ifdef Q_OS_WIN
// Typed into a console: UTF-16 through ReadConsoleW, whatever the console's
// code page, kept as UTF-8 like everything else read. Ctrl+Z ends the input,
// as it does for the system's own programs. Not a console: nothing read.
std::optional<Input> readConsole(qint64 maxBytes)
{
    HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!handle || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
        return std::nullopt;
    Input in;
    QString pending; // a high surrogate whose pair comes with the next read
    wchar_t buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadConsoleW(handle, buffer, DWORD(std::size(buffer)), &got, nullptr)) {
            in.error = qt_error_string(int(GetLastError()));
            return in;
        }
        pending += QStringView(reinterpret_cast<const char16_t *>(buffer), qsizetype(got));
        const qsizetype end = pending.indexOf(u'\x1a');
        const bool last = got == 0 || end >= 0;
        if (end >= 0)
            pending.truncate(end);
        const qsizetype keep = !last && !pending.isEmpty() && pending.back().isHighSurrogate() ? 1 : 0;
        in.bytes += QStringView(pending).chopped(keep).toUtf8();
        pending = pending.right(keep);
        if (in.bytes.size() > maxBytes) {
            in.tooLarge = true;
            return in;
        }
        if (last)
            return in;
    }
}
#endif

} // namespace

Input readStandardInput(qint64 maxBytes)
{
#ifdef Q_OS_WIN
    if (std::optional<Input> typed = readConsole(maxBytes))
        return *typed;
    // A pipe or a file: the bytes as they are, CR LF and Ctrl+Z included.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    Input in;
    // fread returns short only at the end of input or on an error; a pipe
    // or a terminal that delivers in pieces is read on until one of those.
    constexpr qsizetype Chunk = 64 * 1024;
    for (;;) {
        const qsizetype at = in.bytes.size();
        in.bytes.resize(at + Chunk);
        errno = 0;
        const size_t got = std::fread(in.bytes.data() + at, 1, size_t(Chunk), stdin);
        in.bytes.truncate(at + qsizetype(got));
        if (in.bytes.size() > maxBytes) {
            in.tooLarge = true;
            return in;
        }
        if (got < size_t(Chunk)) {
            if (std::ferror(stdin))
                in.error = qt_error_string(errno ? errno : EIO);
            return in;
        }
    }
}

} // namespace CliInput
