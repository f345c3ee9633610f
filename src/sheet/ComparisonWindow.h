#pragma once

#include "ComparisonSlots.h"
#include "RadarWindow.h"

#include <QPointer>
#include <QWidget>
#include <array>

class BuildEngine;
class ClickLabel;
class QGroupBox;
class QLabel;
class QPushButton;

// The comparison window "能力对比 - ZR角色助手": five slots side by side,
// each taking a copy of the build the main window shows. The grid's 114
// labels (19 row headers, 95 cells) can be marked by mouse: left red, right
// teal, middle bold, double-click back to black and regular; marks last as
// long as the window.
//
// The link "雷达图" beside `Zj` opens the window's own radar chart, which
// follows the slots after every change and closes with the window.
//
// The window reads the build through the engine only; the other window is
// used for placement alone. Which instance is the default one, and the
// second instance behind `Zj`, is for ComparisonWindows to decide.
class ComparisonWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("能力对比 - ZR角色助手");
    // Design size of the inside of the window, in twips.
    static constexpr int WidthTwips = 8040;
    static constexpr int HeightTwips = 6600;
    // Gap to the main window.
    static constexpr int GapTwips = 150;

    ComparisonWindow(const BuildEngine &engine, const QWidget *mainWindow, QWidget *parent = nullptr);

    // ---- handlers ---------------------------------------------------------
    // Placement, the slots from the configuration, the buttons. Runs once,
    // when the window is first shown.
    void Form_Load();
    void ComDR_Click(int n);
    // "从剪贴板导入" on ComDR n's menu: the sheet or post on the clipboard
    // into slot n.
    void ComDR_Paste(int n);
    // Ctrl+V: the same into the first empty slot; with all five full, a
    // message and nothing changes.
    void pasteIntoFirstEmpty();
    // A sheet's text into slot n, or with n = 0 into the first empty slot
    // (with all five full, the message of pasteIntoFirstEmpty).
    void importText(int n, const QString &text);
    void ComClear_Click(int n); // one slot
    void ComClear_Click();      // all slots
    void Label_MouseDown(QLabel *label, Qt::MouseButton button);
    void Label_DblClick(QLabel *label);
    // Opens this window's radar chart, or brings it forward.
    void RadarLink_Click();

    // Where the window stands: beside the main window, right when there is
    // room, else left; a window following another stands at that one's
    // outer right edge instead, the top unchanged. Placed by outer geometry,
    // and placed again when the window manager frames the window.
    void placeBeside();
    // The window another one follows (the second comparison window).
    void follow(const QWidget *first);

    const ComparisonSlots &slots() const { return m_slots; }
    QLabel *cell(int n, int row) const;
    // The radar chart, while it is open.
    RadarWindow *radar() const { return m_radar; }

Q_SIGNALS:
    void ZjClicked();
    // The window closed and stored its slots.
    void unloaded();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    ClickLabel *gridLabel(const QString &name, const QString &text, int left, int top, int width);
    void render();
    void pasteInto(int n, const QString &text);

    const BuildEngine &m_engine;
    const QWidget *m_mainWindow;
    QPointer<const QWidget> m_follows;
    // Placed before the window manager framed the window.
    bool m_placedUnframed = false;
    ComparisonSlots m_slots;
    bool m_loaded = false;
    bool m_unloaded = false;
    QPointer<RadarWindow> m_radar;

public:
    // ---- controls, by their given names ----------------------------------
    QGroupBox *Frame_VS = nullptr;
    std::array<ClickLabel *, ComparisonRowCount> headers{};           // Label_JS … Zonghe
    std::array<std::array<ClickLabel *, ComparisonRowCount>, 5> cells{}; // Label_JS1 … Zonghe5
    std::array<QPushButton *, 5> ComDR{};                               // ComDR1 … ComDR5
    std::array<QPushButton *, 5> ComClearSlot{};                        // ComClear1 … ComClear5
    QPushButton *ComClear = nullptr;
    ClickLabel *Zj = nullptr;
    ClickLabel *RadarLink = nullptr; // "雷达图"
    QLabel *Ztt = nullptr;
};
