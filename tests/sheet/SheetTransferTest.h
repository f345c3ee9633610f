#pragma once

#include <QObject>

class SheetTransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pastedSheetReplacesTheBuild();
    void hostilePastesChangeNothing();
    void filesSaveAndOpen();
    void comparisonSlotsTakePastes();
};
