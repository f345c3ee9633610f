#pragma once

#include <QString>
#include <QStringView>

// The three version numbers of a run, owned here for the whole run:
//   Fver  the program version (3.2), from the project's one version;
//   Sver  the data version of the database, 0 until the upgrade notice
//         reads it, set to Fver at the end of the tour;
//   Sver0 the data version last announced, read from the configuration at
//         start-up.
// Versions are single-precision numbers, as the configuration has always
// held them; texts are written from the number's shortest decimal form, so
// 3.2 never turns into "3.20000004768372".
using VersionNumber = float;

namespace VersionText {

// The number a text starts with (leading-number rule), as a version.
VersionNumber read(QStringView text);
// "plain": the shortest ordinary decimal form: 3.2, 3.25, 3, 0.
QString plain(VersionNumber v);
// The pattern ".0": exactly one decimal digit, no leading zero: 3.2, 3.0, .5, .0.
QString oneDecimal(VersionNumber v);

} // namespace VersionText

class Versions {
public:
    static Versions &run(); // the run's versions
    // The program's version, from the project's one version (3.2).
    static VersionNumber programVersion();

    VersionNumber Fver() const { return m_fver; }
    VersionNumber Sver() const { return m_sver; }
    VersionNumber Sver0() const { return m_sver0; }

    void setFver(VersionNumber v) { m_fver = v; }
    void setSver(VersionNumber v) { m_sver = v; m_sverSet = true; }
    void setSver0(VersionNumber v) { m_sver0 = v; }
    // Whether Sver was set during this run (by the tour or the notice); the
    // exit routine writes it back only then.
    bool sverSet() const { return m_sverSet; }

    void reset() { *this = Versions(); } // tests

private:
    VersionNumber m_fver = programVersion();
    VersionNumber m_sver = 0;
    VersionNumber m_sver0 = 0;
    bool m_sverSet = false;
};
