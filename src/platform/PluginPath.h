#pragma once

#include <QString>

// Where one of the program's own plugins (zrc-webview, zrc-http) is: its
// file name without suffix, in the program's folder, or in ../lib/zrc beside
// it when only that one exists (an installed package).
QString programPluginPath(const QString &name, const QString &programDir);
// The same for the running program.
QString programPluginPath(const QString &name);
