#pragma once

#include <QString>
#include <QStringList>

// The zrc-cli command lines the README and docs/ show in code blocks, as a
// reader would copy them: lines starting with `zrc-cli`, `build/bin/zrc-cli`
// or `$ zrc-cli`. A line holding a capitalised placeholder (FILE, DIR,
// CHARACTER, LIST=ITEM …) is a usage line, not an example, and is left out.
struct DocExample {
    QString where;    // "docs/assistants.md:33"
    QString command;  // as bash runs it: "$ " dropped, build/bin/ dropped
    QStringList output; // the lines shown under a `$` example, if any
    bool showsOutput = false;
};

QList<DocExample> docExamples(const QString &projectDir);
