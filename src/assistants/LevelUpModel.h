#pragma once

#include <QString>

// The level-up assistant without its window: the texts of the two boxes,
// the bar, the status sentence and whether sharing is possible. The window
// and `zrc-cli levelup` both run it. A box's value is its text read by the
// leading-number rule, so any text, also pasted letters, is a value.
//
// Assigning a box a text it already holds changes nothing; a new text runs
// the box's change handling, as typing does.
class LevelUpModel {
public:
    static inline const QString DefaultSpeed = QStringLiteral("2000");
    static inline const QString InitialStatus = QStringLiteral("进度条空着，没事做咯！");

    // Back to the design-time state, then the saved texts go into the boxes
    // (experience first): what opening the window does.
    void load(const QString &savedExperience, const QString &savedSpeed);

    void setExperienceText(const QString &text); // Text_Srjy
    void setSpeedText(const QString &text);      // Text_Sjsd

    const QString &experienceText() const { return m_experience; }
    const QString &speedText() const { return m_speed; }
    double barTwips() const { return m_bar; }   // JYT
    const QString &status() const { return m_status; } // Label5
    bool shareEnabled() const { return m_share; }      // fenxiang

    // The post text of the share link, with the program version as written.
    QString shareText(const QString &version) const;

private:
    void Text_Srjy_Change();
    void Text_Sjsd_Change();
    void refreshStatus();

    QString m_experience;
    QString m_speed = DefaultSpeed;
    double m_bar = 0;
    QString m_status = InitialStatus;
    bool m_share = false;
};
