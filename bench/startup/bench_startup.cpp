// Time from process start until the window is exposed: zrc (main window up
// with its lists filled) against a bare Qt window, alternating, in one run.
// Prints the medians and their ratio.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <optional>

namespace {

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One start; milliseconds until the program reported its exposed window.
std::optional<double> startOnce(const QString &program, const QStringList &args,
                                const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 start = nowNs();
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
        if (line.startsWith("exposed "))
            return (line.mid(8).trimmed().toLongLong() - start) / 1e6;
    return std::nullopt;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const QDir bin(QCoreApplication::applicationDirPath());
    QTemporaryDir config;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZRC_STARTUP_PROBE"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY"))
        && !env.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        out << "no display: measuring offscreen (run under xvfb-run -a for a real X server)\n";
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    const QString bare = bin.filePath(QStringLiteral("bare_window"));
    const QString zrc = bin.filePath(QStringLiteral("zrc"));
    const QStringList zrcArgs{QStringLiteral("--data-dir"), bin.path(), QStringLiteral("--config"),
                              config.filePath(QStringLiteral("ZRCconfig.ini"))};

    // One unmeasured start each fills the file caches.
    startOnce(bare, {}, env);
    startOnce(zrc, zrcArgs, env);

    QList<double> bareMs, zrcMs;
    for (int i = 0; i < runs; ++i) {
        if (auto ms = startOnce(bare, {}, env))
            bareMs.append(*ms);
        if (auto ms = startOnce(zrc, zrcArgs, env))
            zrcMs.append(*ms);
    }
    if (bareMs.isEmpty() || zrcMs.isEmpty()) {
        out << "a program did not report its window (bare: " << bareMs.size() << ", zrc: " << zrcMs.size()
            << " of " << runs << ")\n";
        return 1;
    }
    const double b = median(bareMs), z = median(zrcMs);
    out << "runs: " << runs << "\n";
    out << "bare Qt window: median " << QString::number(b, 'f', 1) << " ms (min "
        << QString::number(*std::min_element(bareMs.begin(), bareMs.end()), 'f', 1) << ")\n";
    out << "zrc main window with lists: median " << QString::number(z, 'f', 1) << " ms (min "
        << QString::number(*std::min_element(zrcMs.begin(), zrcMs.end()), 'f', 1) << ")\n";
    out << "ratio zrc / bare: " << QString::number(z / b, 'f', 2) << "\n";
    return 0;
}
