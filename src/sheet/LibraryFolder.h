#pragma once

#include <QString>

// The folder "我的配置" lists, and Ctrl+S suggests: the one chosen with
// "打开文件夹…", remembered in the configuration as [zrl] dir=, else
// "ZR角色助手" under the documents folder. A profile value holds at most
// 143 bytes of code page 936, so a path that is longer there, or that the
// code page cannot write, is used for this run only.
namespace LibraryFolder {

inline const QString Section = QStringLiteral("zrl");
inline const QString Key = QStringLiteral("dir");
inline constexpr int MaxBytes = 143;

QString current();
// Whether the configuration can hold the path as it is.
bool storable(const QString &path);
// Makes the path the folder in use; stores it when it can. Returns
// whether it was stored (false: for this run only).
bool choose(const QString &path);
// Whether the folder in use is this run's alone.
bool forThisRunOnly();
// Forgets this run's choice (tests).
void reset();

} // namespace LibraryFolder
