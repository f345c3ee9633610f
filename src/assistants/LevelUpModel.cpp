#include "LevelUpModel.h"

#include "LevelUpMath.h"
#include "Numbers.h"

#include <limits>

void LevelUpModel::load(const QString &savedExperience, const QString &savedSpeed)
{
    *this = LevelUpModel();
    setExperienceText(savedExperience);
    setSpeedText(savedSpeed);
}

void LevelUpModel::setExperienceText(const QString &text)
{
    if (text == m_experience)
        return;
    m_experience = text;
    Text_Srjy_Change();
}

void LevelUpModel::setSpeedText(const QString &text)
{
    if (text == m_speed)
        return;
    m_speed = text;
    Text_Sjsd_Change();
}

void LevelUpModel::Text_Srjy_Change()
{
    const double experience = leadingNumber(m_experience);
    if (experience == 0) {
        // Nothing to share; bar and status keep what they showed.
        m_share = false;
        return;
    }
    m_bar = LevelUpMath::barTwips(experience);
    refreshStatus();
    m_share = true;
}

void LevelUpModel::Text_Sjsd_Change()
{
    // The days are divided by the speed: it never stays 0, negative or so
    // small (denormal) that the days stop being a number.
    if (!(leadingNumber(m_speed) >= std::numeric_limits<double>::min()))
        setSpeedText(DefaultSpeed);
    refreshStatus();
}

void LevelUpModel::refreshStatus()
{
    m_status = LevelUpMath::status(leadingNumber(m_experience), leadingNumber(m_speed));
}

QString LevelUpModel::shareText(const QString &version) const
{
    return u"Hi！各位街友好！我的%23Hoopra%23角色，当前经验值为" + m_experience + u"，" + m_status
           + u"（分享自:%23ZR角色助手%23V" + version + u"丨作者:@QUILON）";
}
