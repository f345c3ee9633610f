#pragma once

#include <QObject>

// The comparison windows beside the main window under a real window
// manager, where outer geometry is known only once the windows are framed.
// Skipped unless run on X11 (tests/browser/under-window-manager.sh runs it
// under openbox).
class ComparisonPlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void besideMainByOuterGeometry();
};
