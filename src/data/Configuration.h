#pragma once

#include "RegularFile.h"

#include <QString>
#include <functional>
#include <QStringList>
#include <array>

// The configuration file ZRCconfig.ini: what the program remembers between
// runs. Every access goes through the profile-file module and first makes
// the configuration the current file. A missing or unwritable file reads
// as empty and remembers nothing; the first failed write of a run is told
// once (setWriteFailureNotice).
class Configuration {
public:
    // Section zrv: versions last seen.
    static inline const QString VersionSection = QStringLiteral("zrv");
    static inline const QString ProgramVersionKey = QStringLiteral("fver");
    static inline const QString DataVersionKey = QStringLiteral("sver");
    // Section zrc: the five comparison slots, nineteen keys each.
    static inline const QString SlotSection = QStringLiteral("zrc");
    static constexpr int SlotCount = 5;
    // Section zru: the level-up assistant's two inputs.
    static inline const QString LevelUpSection = QStringLiteral("zru");
    static inline const QString ExperienceKey = QStringLiteral("exp");
    static inline const QString SpeedKey = QStringLiteral("speed");

    // The keys of a slot without its number, in column order.
    static constexpr std::array<const char16_t *, 19> SlotKeyStems{
        u"juese", u"zhiye", u"shengao", u"dengji", u"xunlian", u"vip",
        u"paodong", u"tantiao", u"duikang", u"chuanqiu", u"yunqiu", u"lanban",
        u"gaimao", u"qiangduan", u"zhongtou", u"sanfen", u"guanlan", u"jintou",
        u"Zonghe"};
    // The nineteen keys of slot n (1 to 5): juese1 … Zonghe1.
    static QStringList slotKeys(int n);

    // Whether a configuration file exists (the per-user one, or the legacy
    // one that is read while there is no per-user file).
    static bool exists();
    // The file that is written.
    static QString path();

    // Makes the configuration the current file for reading: the per-user
    // file, or the legacy file (read only) while no per-user file exists.
    static void selectForReading();
    // Makes the per-user file the current file for writing, starting it
    // from the legacy file when there is one.
    static void selectForWriting();

    static QString read(const QString &section, const QString &key);
    static bool write(const QString &section, const QString &key, const QString &value);
    // Stores the data version last announced, as plain decimal text (3.2).
    static void writeDataVersion(double sver);

    // A configuration that cannot be written loses what the player did, so
    // the first failed write of a run is told through this (once; later
    // failures stay silent): the text names the file, the reason, and how
    // to choose another file.
    static void setWriteFailureNotice(std::function<void(const QString &text)> notice);
    static QString writeFailureText(const QString &path, RegularFile::Problem problem);
    // For tests: the next failure is told again.
    static void rearmWriteFailureNotice();
};
