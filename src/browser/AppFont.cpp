#include "AppFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <algorithm>

void useProgramFont(QApplication &app)
{
    QFont font = QApplication::font();
    QStringList families{QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")};
    // The texts are drawn in the first of them the system has. Named first,
    // it is found straight away: a missing family asked for first costs a
    // search of the font system for its substitutes.
    const QStringList installed = QFontDatabase::families();
    const auto present = std::find_if(families.begin(), families.end(), [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    if (present != families.end())
        std::rotate(families.begin(), present, present + 1);
    families.append(font.families());
    font.setFamilies(families);
    font.setPointSize(9);
    app.setFont(font);
}
