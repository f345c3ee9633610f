#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its data and keeps its configuration.
//
// Data folder, first that applies: `--data-dir DIR`, the environment
// variable ZRC_DATA_DIR, the program's folder when it holds ZRCdata.dat (the
// build tree, a copied folder), then ../share/zrc beside the program (an
// installed package, where the folder is read-only). Configuration file: ZRCconfig.ini in
// the user's configuration folder (QStandardPaths::GenericConfigLocation,
// the same for zrc and zrc-cli), or `--config FILE`, or ZRC_CONFIG. A
// command-line option wins over the environment.
class AppPaths {
public:
    // Picks the options out of the program's arguments; other options are
    // left alone. Safe to call again (tests, or a later re-read).
    static void init(const QStringList &arguments);

    // The data-folder rule on its own: `chosen` is the option or environment
    // value (empty when neither was given).
    static QString findDataDir(const QString &chosen, const QString &programDir);

    static QString dataDir();
    static QString configPath();
    // The file older releases kept in the Windows folder; read while the
    // per-user file does not exist yet. Empty off Windows and when the
    // configuration file was chosen by option or environment.
    static QString legacyConfigPath();

    static QString databasePath();  // <data>/ZRCdata.dat
    static QString imagesDir();     // <data>/ZRCimages
    static QString readmePath();    // <data>/说明文档.txt
    static QString endpointsPath(); // <data>/ZRCendpoints.ini

    // For tests.
    static void setDataDir(const QString &dir);
    static void setConfigPath(const QString &file);
    static void setLegacyConfigPath(const QString &file);

    static inline const QString ConfigFileName = QStringLiteral("ZRCconfig.ini");
};
