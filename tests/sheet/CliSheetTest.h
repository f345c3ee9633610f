#pragma once

#include <QObject>

class CliSheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheSheetAsTheClipboardGetsIt();
    void printsThePostWithPost();
    void badInputStopsLikeBuild();
    void fromSheetReplaysAndCompares();
    void standardInputIsReadToItsEnd();
    void quotedTextCannotDriveTheTerminal();
};
