#include "QtTranslationsTest.h"

#include "QtTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

void QtTranslationsTest::standardButtonsReadChinese()
{
    QVERIFY2(loadQtTranslations(*QCoreApplication::instance()),
             "Qt's Chinese translations are not installed (qt6-translations-l10n)");
    QMessageBox box(QMessageBox::Information, QStringLiteral("ZR角色助手提示："), QStringLiteral("复制成功！"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
}
