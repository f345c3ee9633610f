#include "CliOutput.h"
#include "CliCommands.h"

#include "AppPaths.h"
#include "Endpoints.h"
#include "ZoneAddress.h"
#include "ZoneMeasure.h"
#include "ZoneSheet.h"
#include "zrc_version.h"

#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>

// zrc-cli ping [--data-dir DIR]
//
// Measures the four zones as the zone window does (the same rules, the same
// echo module, the zones one after the other without the window's pauses)
// and prints lines 1 to 11 of the result sheet. Exit status 2, with the
// reason, when the system does not allow echo requests or the endpoints
// file is missing.

namespace {

int fail(const QString &message)
{
    writeOut(stderr, u"zrc-cli ping: " + message + u'\n');
    return 2;
}

} // namespace

int runPingCommand(const QStringList &args)
{
    QString dataDir;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--data-dir" && i + 1 < args.size())
            dataDir = args[++i];
        else if (a.startsWith(u"--data-dir=") && a.size() > 11)
            dataDir = a.mid(11);
        else
            return fail(QStringLiteral("用法: zrc-cli ping [--data-dir DIR]"));
    }
    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});

    if (!QFileInfo(AppPaths::endpointsPath()).isFile())
        return fail(u"找不到 " + AppPaths::endpointsPath() + u"（各大区的服务器地址）");

    ZoneCaptions captions;
    std::array<int, ZoneCount> latencies{};
    std::shared_ptr<mPing::Backend> backend = mPing::backend();
    const std::atomic<bool> never{false};
    for (const mPing::Notice &n : backend->start())
        writeOut(stderr, n.text + u'\n');
    for (int i = 0; i < ZoneCount; ++i) {
        const ZoneOutcome outcome = measureZone(*backend, Endpoints::zone(i + 1), never);
        for (const mPing::Notice &n : outcome.notices)
            writeOut(stderr, n.text + u'\n');
        if (!outcome.permitted)
            return fail(QString(outcome.reason).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        latencies[i] = outcome.latency;
        captions.rows[i] = {Zones[i].caption.toString(), QString::number(outcome.latency) + u"ms",
                            rate(outcome.latency).text.toString()};
    }
    for (const mPing::Notice &n : backend->stop())
        writeOut(stderr, n.text + u'\n');
    captions.verdict = verdict(latencies);

    // Where the connection comes from: the HTTP client answers in an event loop.
    PublicAddress address = unknownAddress();
    {
        QEventLoop loop;
        lookUpPublicAddress(&loop, [&](const PublicAddress &a) {
            address = a;
            loop.quit();
        });
        loop.exec();
    }

    captions.location = address.location;

    const QString version = QStringLiteral(ZRC_VERSION_STRING);
    const QString author = Endpoints::text(QStringLiteral("pages"), QStringLiteral("author"));
    writeOut(stdout, resultSheetLines(captions, version, author).join(u'\n') + u'\n');
    return 0;
}
