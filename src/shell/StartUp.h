#pragma once

#include <QString>

// What the guide window decides at start-up and records at the end of its
// tour, without any window: the game database's presence, the
// configuration's creation, the run's versions and whether this program
// version's tour was seen before.
namespace StartUp {

// Warns (through the message seam) when the game database is missing;
// start-up goes on either way. True when it is there.
bool checkDatabase();
// A configuration that does not exist yet is created with fver = "1.0".
void ensureConfiguration();
// Fver from the program's version, Sver0 from the stored "Sver" (leading
// number, 0 when there is none).
void fixVersions();
// Whether this program version's tour was completed before: the stored fver
// is a number equal to Fver ("3.2" and "3.20" both are). A value that is no
// number counts as another version, so the tour shows.
bool tourSeen();
// The end of the tour: fver and sver = Fver in the configuration, Sver = Fver.
void recordTourSeen();

// The tour picture n (1 to 3): <data>/ZRCimages/New<n>.jpg.
QString tourPicturePath(int n);
// The readme read as GBK, or "《说明文档》丢失！" when there is none.
QString readmeText();

} // namespace StartUp
