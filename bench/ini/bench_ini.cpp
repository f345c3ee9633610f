// 120 profile reads, as a list handler makes them, on the game database:
// with the parsed file kept between reads, and parsing the file at every
// read. Usage: bench_ini [ZRCdata.dat]

#include "ProfileFile.h"
#include "mIni.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

const QStringList AbilityKeys{
    QStringLiteral("跑动"), QStringLiteral("弹跳"), QStringLiteral("对抗"), QStringLiteral("传球"),
    QStringLiteral("运球"), QStringLiteral("篮板"), QStringLiteral("盖帽"), QStringLiteral("抢断"),
    QStringLiteral("中投"), QStringLiteral("三分"), QStringLiteral("灌篮"), QStringLiteral("近投")};

// A database of the sample's shape: 8 teams, 40 characters with full records.
QString makeDatabase(const QString &dir)
{
    QString text = QStringLiteral("[数据信息]\r\n数据版本=3.2\r\n变更内容=基准测试用数据\r\n[所有球队]\r\n");
    for (int t = 1; t <= 8; ++t)
        text += QStringLiteral("球队%1=球队名%1\r\n").arg(t);
    text += QStringLiteral("[所有角色]\r\n");
    for (int c = 1; c <= 40; ++c)
        text += QStringLiteral("角色%1=角色名%1\r\n").arg(c);
    for (int t = 1; t <= 8; ++t) {
        text += QStringLiteral("[球队名%1]\r\n").arg(t);
        for (int m = 1; m <= 5; ++m)
            text += QStringLiteral("角色%1=角色名%2\r\n").arg(m).arg((t - 1) * 5 + m);
    }
    for (int c = 1; c <= 40; ++c) {
        text += QStringLiteral("[角色名%1]\r\n球队=球队名%2\r\n性别=男\r\n职业=F\r\n推荐职业=PF\r\n身高=高\r\n")
                    .arg(c).arg((c - 1) / 5 + 1);
        for (const QString &a : AbilityKeys)
            text += a + QStringLiteral("=%1\r\n").arg(40 + (c * 7 + a.size()) % 20);
        text += QStringLiteral("特殊=\r\n");
        for (const QString &a : AbilityKeys)
            text += QStringLiteral("特殊") + a + QStringLiteral("=\r\n");
    }
    const QString path = dir + QStringLiteral("/ZRCdata.dat");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QStringEncoder gbk("GBK");
    file.write(gbk.encode(text));
    file.flush();
    // An old file, as an installed database is.
    file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    return path;
}

// The all-characters list: each of 60 keys read to test it, then to fetch it.
void listReads()
{
    const QString section = QStringLiteral("所有角色");
    for (int i = 1; i <= 60; ++i) {
        const QString key = QStringLiteral("角色") + QString::number(i);
        mIni::IniRead(section, key);
        mIni::IniRead(section, key);
    }
}

double medianMicroseconds(int runs)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int r = 0; r < runs; ++r) {
        timer.start();
        listReads();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temp;
    QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZRC_BIN_DIR "/ZRCdata.dat");
    if (!QFileInfo(path).isFile()) {
        out << "no database at " << path << ", using a generated one of the same shape\n";
        path = makeDatabase(temp.path());
    }
    const QFileInfo info(path);
    out << "database: " << path << " (" << info.size() << " bytes)\n";
    if (info.lastModified().msecsTo(QDateTime::currentDateTime()) < 2000)
        out << "note: the file is less than 2 s old, so cached reads still compare its bytes\n";

    mIni::setIniFile(path, mIni::Access::ReadOnly);
    ProfileFile::setCaching(true);
    listReads();
    const double cached = medianMicroseconds(501);
    const double grouped = [] {
        std::vector<double> times;
        QElapsedTimer timer;
        for (int r = 0; r < 501; ++r) {
            timer.start();
            mIni::ReadGroup group; // as the database's list and record reads do
            listReads();
            times.push_back(timer.nsecsElapsed() / 1000.0);
        }
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    }();
    ProfileFile::setCaching(false);
    const double parsed = medianMicroseconds(51);
    ProfileFile::setCaching(true);

    out << "120 reads, parsed file kept:    " << QString::number(cached, 'f', 1) << " us\n";
    out << "  the same in one read group:   " << QString::number(grouped, 'f', 1) << " us\n";
    out << "120 reads, parsing every read: " << QString::number(parsed, 'f', 1) << " us\n";
    return 0;
}
