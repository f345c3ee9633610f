#include "CliOutput.h"

#include "TerminalText.h"

void writeOut(FILE *stream, const QString &text, CliText kind)
{
    const QByteArray bytes = (kind == CliText::Json ? TerminalText::escapedJson(text) : TerminalText::escaped(text)).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
