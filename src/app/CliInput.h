#pragma once

#include <QByteArray>
#include <QString>

// Standard input read to its end, for `--from-sheet -`: from a file, a pipe
// or a terminal (where the end is Ctrl+D; Ctrl+Z in a Windows console),
// whatever arrives in how many pieces. Reading stops once more than
// `maxBytes` have come.
namespace CliInput {

struct Input {
    QByteArray bytes;
    bool tooLarge = false; // more than maxBytes came; `bytes` is not the whole input
    QString error;         // the system's reason when reading failed
    bool ok() const { return !tooLarge && error.isEmpty(); }
};

Input readStandardInput(qint64 maxBytes);

} // namespace CliInput
