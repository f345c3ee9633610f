#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// zrc-cli of the test build, run as a player runs it: its exit status (-1
// when it crashed or hung) and what it wrote, standard input empty.
struct CliRun {
    int status = -1;
    QString out, err;
};

inline CliRun runCli(const QStringList &args)
{
    QProcess p;
    p.setProgram(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/zrc-cli"));
    p.setArguments(args);
    p.start();
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
