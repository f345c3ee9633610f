// What the comparison window's storing costs on a configuration holding five
// builds: loading the 95 keys, storing one slot after an import or a clear
// (19 keys in one write), storing all 95 on clearing all and closing, and, for comparison,
// the 19 keys of a slot written one write each; then the same window on a
// configuration grown to 60 MB by other sections: the first load, which
// creates the 95 keys, and an import followed by the close.
// Usage: bench_comparison

#include "AppPaths.h"
#include "ComparisonSlots.h"
#include "Configuration.h"
#include "mIni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void(int)> &step,
                const std::function<void()> &setUp = {})
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (setUp)
            setUp();
        QElapsedTimer t;
        t.start();
        step(i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void storeBuilds()
{
    Configuration::selectForWriting();
    mIni::WriteBatch batch;
    mIni::IniWrite(Configuration::VersionSection, Configuration::ProgramVersionKey, QStringLiteral("3.2"));
    for (int n = 1; n <= ComparisonSlots::SlotCount; ++n) {
        const QStringList keys = Configuration::slotKeys(n);
        for (int row = 0; row < ComparisonRowCount; ++row)
            mIni::IniWrite(Configuration::SlotSection, keys[row],
                           row == 0 ? QStringLiteral("角色%1").arg(n) : QString::number(40 + row));
    }
}

// A configuration of about 60 MB: a long section of someone else's keys,
// then, when asked, the five builds.
void writeLargeConfiguration(const QString &path, bool withBuilds)
{
    QByteArray bytes = "[zrv]\r\nfver=3.2\r\n[history]\r\n";
    bytes.reserve(61 * 1000 * 1000);
    const QByteArray filler(40, 'x');
    for (int i = 0; bytes.size() < 60 * 1000 * 1000; ++i)
        bytes += "entry" + QByteArray::number(i) + '=' + filler + "\r\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    if (withBuilds)
        storeBuilds();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setConfigPath(dir.filePath(QStringLiteral("ZRCconfig.ini")));
    AppPaths::setLegacyConfigPath(QString());
    storeBuilds();

    constexpr int Runs = 50;
    ComparisonSlots slots;
    QTextStream out(stdout);
    out << "median of " << Runs << " runs, ms\n";
    out << "load, 95 keys:                  " << medianMs(Runs, [&](int) { slots.load(); }) << '\n';
    // Each from five stored builds, so every write changes the file.
    const auto fiveBuilds = [&] { storeBuilds(); slots.load(); };
    out << "clear one slot (19 keys):       " << medianMs(Runs, [&](int) { slots.clear(1); }, fiveBuilds) << '\n';
    out << "clear all (95 keys):            " << medianMs(Runs, [&](int) { slots.clearAll(); }, fiveBuilds) << '\n';
    out << "close unchanged (95 keys):      " << medianMs(Runs, [&](int) { slots.saveAll(); }) << '\n';
    // Values that change each run, so every write reaches the disk.
    out << "one slot, one write per key:    " << medianMs(Runs, [&](int i) {
        Configuration::selectForWriting();
        const QStringList keys = Configuration::slotKeys(2);
        for (const QString &key : keys)
            mIni::IniWrite(Configuration::SlotSection, key, QString::number(i));
    }) << Qt::endl;
    out << "one slot, one write in a batch: " << medianMs(Runs, [&](int i) {
        Configuration::selectForWriting();
        mIni::WriteBatch batch;
        const QStringList keys = Configuration::slotKeys(2);
        for (const QString &key : keys)
            mIni::IniWrite(Configuration::SlotSection, key, QString::number(i));
    }) << Qt::endl;

    // 60 MB: a handful of runs, each from a fresh file.
    constexpr int LargeRuns = 5;
    const QString path = AppPaths::configPath();
    out << "60 MB configuration, median of " << LargeRuns << " runs, ms" << Qt::endl;
    out << "first load, 95 keys created:    " << medianMs(LargeRuns, [&](int) { slots.load(); }, [&] {
        writeLargeConfiguration(path, false);
    }) << Qt::endl;
    ComparisonSlots::Column build;
    for (int row = 0; row < ComparisonRowCount; ++row)
        build[row] = row == 0 ? QStringLiteral("新角色") : QString::number(60 + row);
    out << "import into a slot, then close: " << medianMs(LargeRuns, [&](int) {
        slots.importCells(5, build);
        slots.saveOnClose();
    }, [&] {
        writeLargeConfiguration(path, true);
        slots.clear(5);
        slots.load();
    }) << Qt::endl;
    out << "the close alone, after an import: " << medianMs(LargeRuns, [&](int) { slots.saveOnClose(); }, [&] {
        writeLargeConfiguration(path, true);
        slots.clear(5);
        slots.load();
        slots.importCells(5, build);
    }) << Qt::endl;
    return 0;
}
