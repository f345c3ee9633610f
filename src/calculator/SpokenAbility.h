#pragma once

#include <QString>

// What a screen reader says for an ability value: its name, the value and
// the deviation marker in words, for example "跑动 66，基础值比普通角色高 2".
// An empty value reads as the name alone, an empty marker as equal.
QString spokenAbility(const QString &name, const QString &value, const QString &marker);
