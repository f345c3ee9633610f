#pragma once

#include "BestBuild.h"
#include "BestBuildRunner.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "最佳配置 - ZR角色助手": the best build for the chosen character. The
// player picks the objective and which answers of the first page to keep,
// clicks "计算", and sees the picks and the twelve values beside the
// current build's; "应用到主界面" hands the picks back for the main window.
// The search runs on a worker; the record is read here, on the GUI thread.
class BestBuildWindow : public QWidget {
    Q_OBJECT
public:
    using RecordSource = std::function<CharacterRecord(const QString &name)>;

    // `build` is the main window's engine, read only.
    BestBuildWindow(const BuildEngine &build, RecordSource records, QWidget *parent = nullptr);
    ~BestBuildWindow() override;

    static const QString Title; // "最佳配置 - ZR角色助手"

    // Opens (or raises) the window with the caption of row 0 … 12 as the objective.
    void open(int row);
    // The main window chose another character or none: a search under way stops.
    void characterChanged();
    void calculate();
    void apply();

    bool searching() const { return m_runner.running(); }
    const BestBuildResult &result() const { return m_result; }

    QComboBox *objective = nullptr;
    std::array<QCheckBox *, 5> keep{}; // ZYe, Dji, Sgao, Xlian, Vip
    QPushButton *calculateButton = nullptr;
    QLabel *status = nullptr;
    QTableWidget *values = nullptr;
    QPlainTextEdit *picks = nullptr;
    QPushButton *applyButton = nullptr;

Q_SIGNALS:
    // "应用到主界面": the searched character and the picks found.
    void applyRequested(const QString &character, const QList<BestPick> &picks);
    // A search ended and its outcome is shown.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refreshCurrent();
    void showResult(const BestBuildResult &result);

    const BuildEngine &m_build;
    RecordSource m_records;
    BestBuildRunner m_runner;
    BestBuildResult m_result;
    QString m_searched; // the character of the last search
    QString m_goal;     // and its objective
};
