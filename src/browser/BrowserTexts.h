#pragma once

#include <QString>

// The texts and choices of the team and character lists, without widgets.
namespace BrowserTexts {

// The last entry of the box of teams.
inline const QString AllCharacters = QStringLiteral("【查看所有角色】");
// The ordinary character the look-around is unhappy to meet.
inline const QString OrdinaryCharacter = QStringLiteral("普通角色");

// Tip line after the all-characters list is loaded; the entry count is the
// number of names listed, the first being the ordinary character.
QString welcome(int entryCount);
// Tip line after a team is loaded.
QString teamChosen(const QString &team, int memberCount);
// Tip line after a character is chosen.
QString characterChosen(const QString &name, const QString &recommended);

// The look-around's two messages.
QString lookAroundOrdinary();
QString lookAroundMet(const QString &name);

// Index of the random team for a draw r in [0, 1) among entryCount entries:
// never the final all-characters entry while a team is listed.
int randomTeamIndex(double r, int entryCount);
// Index of the random member for a draw r in [0, 1).
int randomMemberIndex(double r, int entryCount);

} // namespace BrowserTexts
