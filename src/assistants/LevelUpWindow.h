#pragma once

#include "LevelUpModel.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class ClickLabel;
class LevelUpDigitBox;
class LevelUpBar;

// The level-up window SJzs "升级助手 - ZR角色助手": the experience table
// with clickable totals, the experience and speed boxes, the progress bar,
// the status sentence and the share link. The sums and the boxes' rules live
// in LevelUpModel; the window forwards typing and clicks to it and shows its
// state after each of them.
//
// Opening the window loads the two saved texts of section zru and minimises
// the main window; closing it saves them and restores the main window.
class LevelUpWindow : public QWidget {
    Q_OBJECT
public:
    explicit LevelUpWindow(QWidget *mainWindow = nullptr);
    ~LevelUpWindow() override;

    // Design size, in twips.
    static constexpr int WidthTwips = 10380;
    static constexpr int HeightTwips = 7700;

    // ---- handlers ---------------------------------------------------------
    void Form_Load();   // when shown
    void Form_Unload(); // when closed
    void Lv_Click(int row); // 0 … 48
    void fenxiang_Click();

    const LevelUpModel &model() const { return m_model; }
    double barTwips() const;

    // ---- controls, by their given names ----------------------------------
    std::array<ClickLabel *, 49> Lv{};
    QLabel *Label164 = nullptr;
    QGroupBox *Frame1 = nullptr;
    LevelUpDigitBox *Text_Srjy = nullptr;
    LevelUpDigitBox *Text_Sjsd = nullptr;
    LevelUpBar *JYT = nullptr;
    QLabel *Label5 = nullptr;
    ClickLabel *fenxiang = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable();
    void buildFrame();
    void render();

    LevelUpModel m_model;
    std::pair<QString, QString> m_saved; // experience and speed as Form_Load read them
    QPointer<QWidget> m_main;
    bool m_loaded = false;
};
