// Time from process start until the window is exposed: zrc (main window up
// with its lists filled) against two bare Qt windows, alternating, in one
// run. The floor is the bare window showing one line of Chinese; the
// textless window skips loading the CJK font and is given for reference.
// zrc starts as a returning user does (its configuration has seen this
// version's tour), through the guide window that never shows.
// Each start follows a short pause (see SettleMs).
// Prints every run's stages (milliseconds since the process started: the
// programs mark them under ZRC_STARTUP_PROBE=1), then the medians and their
// ratio, the same until the first paint is done, the shared objects each
// program had loaded when its window was exposed, and the load average
// before and after, since a busy machine pushes every ratio towards 1.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
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
    QList<std::pair<QByteArray, double>> stages; // in the order the program marked them
    double exposedMs = 0;
    double paintedMs = 0;
    int objects = 0;      // shared objects loaded at the exposure
    qint64 mappedKiB = 0; // their mapped size
    int paintedObjects = 0; // the same once the first paint is done
    qint64 paintedKiB = 0;
    QStringList loadedInPaint; // what the first paint made the loader map
};

// A start straight after another program's exit makes its application
// object in about twice the time (here 37-40 ms against 19), whichever the
// program, as if the machine were still busy with the one that left. Nobody starts
// the program that way, and the extra time, the same for all, would push
// every ratio towards 1. A pause of 20 ms was enough here.
constexpr int SettleMs = 50;

// One start; milliseconds since the start for each stage the program reported.
std::optional<Start> startOnce(const QString &program, const QStringList &args,
                               const QProcessEnvironment &env)
{
    QThread::msleep(SettleMs);
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
    Start s;
    std::optional<double> exposed, painted;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.trimmed().split(' ');
        const auto ms = [start](const QByteArray &ns) { return (ns.toLongLong() - start) / 1e6; };
        if (f.size() == 3 && f[0] == "stage")
            s.stages.append({f[1], ms(f[2])});
        else if (f.size() == 3 && f[0] == "loaded-objects") {
            s.objects = f[1].toInt();
            s.mappedKiB = f[2].toLongLong();
        } else if (f.size() == 3 && f[0] == "painted-objects") {
            s.paintedObjects = f[1].toInt();
            s.paintedKiB = f[2].toLongLong();
        } else if (f.size() == 2 && f[0] == "loaded-in-paint")
            s.loadedInPaint.append(QString::fromLocal8Bit(f[1]));
        else if (f.size() == 2 && f[0] == "exposed")
            exposed = ms(f[1]);
        else if (f.size() == 2 && f[0] == "painted")
            painted = ms(f[1]);
    }
    if (!exposed || !painted)
        return std::nullopt;
    s.exposedMs = *exposed;
    s.paintedMs = *painted;
    return s;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString ms(double v) { return QString::number(v, 'f', 1); }

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

// The runs of one program.
struct Series {
    QString name;
    QList<Start> starts;

    QList<double> exposed() const
    {
        QList<double> v;
        for (const Start &s : starts)
            v.append(s.exposedMs);
        return v;
    }
    QList<double> painted() const
    {
        QList<double> v;
        for (const Start &s : starts)
            v.append(s.paintedMs);
        return v;
    }
    void add(int run, const Start &s, QTextStream &out)
    {
        starts.append(s);
        out << "  run " << run << ' ' << name << ':';
        for (const auto &[stage, at] : s.stages)
            out << ' ' << stage << ' ' << ms(at);
        out << "  exposed " << ms(s.exposedMs) << "  painted " << ms(s.paintedMs) << " ms\n";
    }
    // The median time at which each stage ended.
    void printStageMedians(QTextStream &out) const
    {
        if (starts.isEmpty() || starts.first().stages.isEmpty())
            return;
        out << "  " << name << ", median end of each stage:";
        for (const auto &[stage, at] : starts.first().stages) {
            QList<double> v;
            for (const Start &s : starts)
                for (const auto &[other, when] : s.stages)
                    if (other == stage)
                        v.append(when);
            out << ' ' << stage << ' ' << ms(median(v));
        }
        out << "  exposed " << ms(median(exposed())) << " ms\n";
    }
};

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
    const QString loadBefore = loadAverage();

    // One unmeasured start each fills the file caches.
    startOnce(bare, {}, env);
    startOnce(bare, chinese, env);
    startOnce(zrc, zrcArgs, env);

    Series textless{QStringLiteral("textless"), {}}, bareChinese{QStringLiteral("bare"), {}},
        program{QStringLiteral("zrc"), {}};
    out << "each run, milliseconds since the process started:\n";
    for (int i = 0; i < runs; ++i) {
        if (auto s = startOnce(bare, {}, env))
            textless.add(i + 1, *s, out);
        if (auto s = startOnce(bare, chinese, env))
            bareChinese.add(i + 1, *s, out);
        if (auto s = startOnce(zrc, zrcArgs, env))
            program.add(i + 1, *s, out);
    }
    if (textless.starts.isEmpty() || bareChinese.starts.isEmpty() || program.starts.isEmpty()) {
        out << "a program did not report its window (textless: " << textless.starts.size() << ", bare: "
            << bareChinese.starts.size() << ", zrc: " << program.starts.size() << " of " << runs << ")\n";
        return 1;
    }
    const auto minimum = [](const QList<double> &v) { return *std::min_element(v.begin(), v.end()); };
    const double t = median(textless.exposed()), b = median(bareChinese.exposed()), z = median(program.exposed());
    const double tp = median(textless.painted()), bp = median(bareChinese.painted()), zp = median(program.painted());
    const auto ratio = [](double v) { return QString::number(v, 'f', 2); };
    out << "runs: " << runs << " each, alternating, each start " << SettleMs
        << " ms after the last program ended; load average " << loadBefore << " before, " << loadAverage()
        << " after\n";
    out << "stages:\n";
    bareChinese.printStageMedians(out);
    program.printStageMedians(out);
    out << "until exposed (lists filled):\n";
    out << "  textless Qt window: median " << ms(t) << " ms (min " << ms(minimum(textless.exposed())) << ")\n";
    out << "  bare Qt window, one line of Chinese: median " << ms(b) << " ms (min "
        << ms(minimum(bareChinese.exposed())) << ")\n";
    out << "  zrc main window: median " << ms(z) << " ms (min " << ms(minimum(program.exposed())) << ")\n";
    out << "  ratio zrc / bare: " << ratio(z / b) << "   (zrc / textless: " << ratio(z / t) << ")\n";
    out << "until first paint done:\n";
    out << "  textless Qt window: median " << ms(tp) << " ms\n";
    out << "  bare Qt window, one line of Chinese: median " << ms(bp) << " ms\n";
    out << "  zrc main window: median " << ms(zp) << " ms\n";
    out << "  ratio zrc / bare: " << ratio(zp / bp) << "   (zrc / textless: " << ratio(zp / tp) << ")\n";
    const auto objects = [](const Series &s) -> QString {
        const Start &last = s.starts.last();
        return QString::number(last.objects) + QStringLiteral(" objects, ") + QString::number(last.mappedKiB / 1024)
            + QStringLiteral(" MiB mapped");
    };
    if (program.starts.last().objects > 0) {
        out << "loaded when exposed: bare " << objects(bareChinese) << "; zrc " << objects(program) << "\n";
        const auto painted = [](const Series &s) -> QString {
            const Start &last = s.starts.last();
            return QString::number(last.paintedObjects) + QStringLiteral(" objects, ")
                + QString::number(last.paintedKiB / 1024) + QStringLiteral(" MiB mapped");
        };
        out << "loaded when painted: bare " << painted(bareChinese) << "; zrc " << painted(program) << "\n";
        for (const Series *s : {&bareChinese, &program})
            for (const QString &object : s->starts.last().loadedInPaint)
                out << "  loaded by " << s->name << "'s first paint: " << object << "\n";
    }
    // The figures that don't move with the machine's load: each program's
    // instructions until exposed (callgrind's part 1) and during the first
    // paint (part 2), cut there by the probe.
    out << "instructions, whatever the load (part 1: until exposed, part 2: the first paint):\n"
        << "  printf '[zrv]\\r\\nfver=3.2\\r\\nsver=3.1\\r\\n' >/tmp/zrc-bench.ini\n"
        << "  ZRC_STARTUP_PROBE=1 valgrind --tool=callgrind --callgrind-out-file=cg.zrc.%p " << zrc << " --data-dir "
        << bin.path() << " --config /tmp/zrc-bench.ini\n"
        << "  ZRC_STARTUP_PROBE=1 valgrind --tool=callgrind --callgrind-out-file=cg.bare.%p " << bare << " --chinese\n"
        << "  grep summary cg.*.1 cg.*.2\n";
    return 0;
}
