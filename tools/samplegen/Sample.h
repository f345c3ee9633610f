#pragma once

#include <QString>

// Writes the bundled sample into outDir from the readable sources in srcDir:
// ZRCdata.dat, 说明文档.txt, ZRCendpoints.ini (GBK, CR LF), ZRCimages/ and
// pages/. Returns a one-line summary; throws GenerationError on any problem.
QString generateSample(const QString &srcDir, const QString &outDir);
