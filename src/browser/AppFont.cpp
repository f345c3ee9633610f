#include "AppFont.h"

#include <QApplication>
#include <QFont>

void useProgramFont(QApplication &app)
{
    QFont font = QApplication::font();
    QStringList families{QStringLiteral("Microsoft YaHei"), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimSun")};
    families.append(font.families());
    font.setFamilies(families);
    font.setPointSize(9);
    app.setFont(font);
}
