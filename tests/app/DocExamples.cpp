#include "DocExamples.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

bool hasPlaceholder(QString line)
{
    // A comment is prose, not part of the command.
    if (const qsizetype hash = line.indexOf(QStringLiteral(" #")); hash >= 0)
        line.truncate(hash);
    static const QRegularExpression placeholder(QStringLiteral("^[\\[(]*[A-Z][A-Z0-9_]+(?:[=\\])|.]|$)"));
    for (const QString &word : line.split(u' ', Qt::SkipEmptyParts)) {
        if (placeholder.match(word).hasMatch())
            return true;
    }
    return false;
}

void readFile(const QString &path, const QString &name, QList<DocExample> &out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    bool fenced = false;
    DocExample *open = nullptr; // a `$` example still collecting its output
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &raw = lines[i];
        if (raw.trimmed().startsWith(QStringLiteral("```"))) {
            fenced = !fenced;
            open = nullptr;
            continue;
        }
        const bool code = fenced || raw.startsWith(QStringLiteral("    ")) || raw.startsWith(u'\t');
        if (!code) {
            open = nullptr;
            continue;
        }
        const QString line = raw.trimmed();
        const bool prompt = line.startsWith(QStringLiteral("$ "));
        if (open && !prompt) { // what the `$` example above prints
            open->output.append(raw.mid(fenced ? 0 : 4));
            continue;
        }
        QString command = prompt ? line.mid(2) : line;
        // Every zrc-cli of the line, a pipe's second one too, runs from PATH.
        command.replace(QStringLiteral("build/bin/zrc-cli"), QStringLiteral("zrc-cli"));
        if (!command.startsWith(QStringLiteral("zrc-cli"))) {
            open = nullptr; // another program's example, or a line of its own
            continue;
        }
        open = nullptr;
        if (hasPlaceholder(command))
            continue;
        out.append({name + u':' + QString::number(i + 1), command, {}, prompt});
        if (prompt)
            open = &out.last();
    }
}

} // namespace

QList<DocExample> docExamples(const QString &projectDir)
{
    QList<DocExample> out;
    readFile(projectDir + QStringLiteral("/README.md"), QStringLiteral("README.md"), out);
    const QDir docs(projectDir + QStringLiteral("/docs"));
    for (const QString &name : docs.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name))
        readFile(docs.filePath(name), u"docs/" + name, out);
    for (DocExample &e : out) {
        while (!e.output.isEmpty() && e.output.last().trimmed().isEmpty())
            e.output.removeLast();
        e.showsOutput = e.showsOutput && !e.output.isEmpty();
    }
    return out;
}
