#include "CliInput.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>

namespace CliInput {

Input readStandardInput(qint64 maxBytes)
{
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
