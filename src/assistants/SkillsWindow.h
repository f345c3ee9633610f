#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

class BuildEngine;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;

// The skills window JNzs "技能助手 - ZR角色助手": five position buttons, the
// skills and fancy moves of the chosen position, and the details of the
// entry picked in either list. Everything shown comes from the game
// database, which is only read. It opens on the position of the build in
// the main window, read from the build engine (never from Main's widgets),
// and minimises the main window while it is open.
class SkillsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkillsWindow(const BuildEngine &build, QWidget *mainWindow = nullptr);
    ~SkillsWindow() override;

    static constexpr int WidthTwips = 9600;
    static constexpr int HeightTwips = 6500;

    // ---- handlers ---------------------------------------------------------
    void Form_Load();   // when shown
    void Form_Unload(); // when closed
    void Position_Click(int index); // C, PF, SF, SG, PG: 0 … 4
    void Skill_Click();
    void Hooprix_Click();

    // ---- controls, by their given names ----------------------------------
    QGroupBox *Frame_ZY = nullptr;
    std::array<QRadioButton *, 5> positions{}; // C, PF, SF, SG, PG
    QGroupBox *Frame_JN = nullptr;
    QListWidget *Skill = nullptr;
    QGroupBox *Frame_DZ = nullptr;
    QListWidget *Hooprix = nullptr;
    QGroupBox *Frame_JS = nullptr;
    QWidget *Jieshao = nullptr;
    QLabel *Mingcheng = nullptr;
    QLabel *BiBeiZhiShu = nullptr;
    QLabel *Leixing = nullptr, *Zhiye = nullptr, *Dengji = nullptr, *Jiage = nullptr,
           *Chufatiaojian = nullptr, *Qitashuoming = nullptr;
    QLabel *Label8 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void clearDetails();
    void showDetails(const QString &name);
    void showSelected(QListWidget *list);
    void choose(int index);

    QButtonGroup *m_positionGroup = nullptr;
    const BuildEngine &m_build;
    QPointer<QWidget> m_main;
    bool m_loaded = false;
};
