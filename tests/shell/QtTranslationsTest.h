#pragma once

#include <QObject>

class QtTranslationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardButtonsReadChinese();
};
