// Time from process start until the window is exposed: zrc (main window up
// with its lists filled) against two bare Qt windows, alternating, in one
// run. The floor is the bare window showing one line of Chinese; the
// textless window skips loading the CJK font and is given for reference.
// zrc starts as a returning user does (its configuration has seen this
// version's tour), through the guide window that never shows.
// Prints the medians and their ratio, and the same until the first paint
// is done.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

struct Start {
    double exposedMs;
    double paintedMs;
};

// One start; milliseconds until the program reported its exposed window.
std::optional<Start> startOnce(const QString &program, const QStringList &args,
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
    std::optional<double> exposed, painted;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(' ');
        if (f.size() != 2)
            continue;
        const double ms = (f[1].toLongLong() - start) / 1e6;
        if (f[0] == "exposed")
            exposed = ms;
        else if (f[0] == "painted")
            painted = ms;
    }
    if (!exposed || !painted)
        return std::nullopt;
    return Start{*exposed, *painted};
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
    QFile configFile(config.filePath(QStringLiteral("ZRCconfig.ini")));
    if (!configFile.open(QIODevice::WriteOnly)) {
        out << "cannot write the configuration in " << config.path() << "\n";
        return 1;
    }
    configFile.write("[zrv]\r\nfver=3.2\r\nsver=3.1\r\n");
    configFile.close();

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

    const QStringList chinese{QStringLiteral("--chinese")};

    // One unmeasured start each fills the file caches.
    startOnce(bare, {}, env);
    startOnce(bare, chinese, env);
    startOnce(zrc, zrcArgs, env);

    QList<double> textlessMs, bareMs, zrcMs, textlessPaintMs, barePaintMs, zrcPaintMs;
    for (int i = 0; i < runs; ++i) {
        if (auto s = startOnce(bare, {}, env)) {
            textlessMs.append(s->exposedMs);
            textlessPaintMs.append(s->paintedMs);
        }
        if (auto s = startOnce(bare, chinese, env)) {
            bareMs.append(s->exposedMs);
            barePaintMs.append(s->paintedMs);
        }
        if (auto s = startOnce(zrc, zrcArgs, env)) {
            zrcMs.append(s->exposedMs);
            zrcPaintMs.append(s->paintedMs);
        }
    }
    if (textlessMs.isEmpty() || bareMs.isEmpty() || zrcMs.isEmpty()) {
        out << "a program did not report its window (textless: " << textlessMs.size() << ", bare: "
            << bareMs.size() << ", zrc: " << zrcMs.size() << " of " << runs << ")\n";
        return 1;
    }
    const auto ms = [](double v) { return QString::number(v, 'f', 1); };
    const auto minimum = [](const QList<double> &v) { return *std::min_element(v.begin(), v.end()); };
    const double t = median(textlessMs), b = median(bareMs), z = median(zrcMs);
    const double tp = median(textlessPaintMs), bp = median(barePaintMs), zp = median(zrcPaintMs);
    const auto ratio = [](double v) { return QString::number(v, 'f', 2); };
    out << "runs: " << runs << " each, alternating\n";
    out << "until exposed (lists filled):\n";
    out << "  textless Qt window: median " << ms(t) << " ms (min " << ms(minimum(textlessMs)) << ")\n";
    out << "  bare Qt window, one line of Chinese: median " << ms(b) << " ms (min " << ms(minimum(bareMs)) << ")\n";
    out << "  zrc main window: median " << ms(z) << " ms (min " << ms(minimum(zrcMs)) << ")\n";
    out << "  ratio zrc / bare: " << ratio(z / b) << "   (zrc / textless: " << ratio(z / t) << ")\n";
    out << "until first paint done:\n";
    out << "  textless Qt window: median " << ms(tp) << " ms\n";
    out << "  bare Qt window, one line of Chinese: median " << ms(bp) << " ms\n";
    out << "  zrc main window: median " << ms(zp) << " ms\n";
    out << "  ratio zrc / bare: " << ratio(zp / bp) << "   (zrc / textless: " << ratio(zp / tp) << ")\n";
    return 0;
}
