// What the comparison window's storing costs on a configuration holding five
// builds: loading the 95 keys, storing one slot after an import or a clear
// (19 keys in one write), storing all 95 on clearing all and closing, and, for comparison,
// the 19 keys of a slot written one write each. Usage: bench_comparison

#include "AppPaths.h"
#include "ComparisonSlots.h"
#include "Configuration.h"
#include "mIni.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
    }) << '\n';
    out << "one slot, one write in a batch: " << medianMs(Runs, [&](int i) {
        Configuration::selectForWriting();
        mIni::WriteBatch batch;
        const QStringList keys = Configuration::slotKeys(2);
        for (const QString &key : keys)
            mIni::IniWrite(Configuration::SlotSection, key, QString::number(i));
    }) << '\n';
    return 0;
}
