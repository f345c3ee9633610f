#pragma once

#include "MessageRecorder.h"

#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

// One test's data folder and configuration in a temporary directory: a game
// database with data version 3.1, the three tour pictures (of three sizes),
// the readme in GBK and an endpoints file. Messages and shares are
// recorded; the run's versions start afresh.
class ShellWorld {
public:
    static inline const QSize PictureSizes[3] = {{480, 360}, {400, 300}, {320, 240}};
    static inline const QString ReadmeText = QStringLiteral("ZR角色助手 说明文档\r\n第一章：街球角色的能力计算。");

    ShellWorld();
    ~ShellWorld();

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString configPath() const { return path(QStringLiteral("ZRCconfig.ini")); }
    void writeFile(const QString &name, const QByteArray &bytes);
    void writeGbk(const QString &name, const QString &text);
    void remove(const QString &name);
    // The configuration's section zrv, e.g. "fver=3.2\r\nsver=3.1".
    void writeVersions(const QString &lines);
    // A key of zrv as stored (null when absent).
    QString stored(const QString &key) const;
    // The endpoints file's [pages].
    void writePages(const QString &lines);

    MessageRecorder messages;
    QList<QStringList> shares; // post text, title

private:
    QTemporaryDir m_dir;
};
