#pragma once

#include "ZoneMeasure.h"
#include "ZoneSheet.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The zone window "选区助手 - ZR角色助手": measures the latency to the game's
// four zones, rates them, names the zone that suits the network best, shows
// where the connection comes from, and copies or shares the result.
//
// A zone's ten passes run on a worker (ZonePinger), so the window paints and
// answers while it measures; the one-second timers between the zones and
// their order are those of the sequence. Every opening starts from the design
// texts and looks the public address up once; closing stops the measurement
// and nothing arrives afterwards.
class XQzs : public QWidget {
    Q_OBJECT
public:
    enum class State { Idle, Measuring, Measured };

    // `mainWindow` is minimised while this window is open.
    explicit XQzs(QWidget *mainWindow = nullptr);
    ~XQzs() override;

    static constexpr int WidthTwips = 5610;
    static constexpr int HeightTwips = 3960;

    // ---- handlers ---------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void cmdPing_Click();
    void cmdHelp_Click();
    void cmdFenxiang_Click();

    // ---- timers (each tick is called directly by tests) -------------------
    void Timer1_Timer(); // measure zone 1
    void Timer2_Timer(); // measure zone 2
    void Timer3_Timer(); // measure zone 3
    void Timer4_Timer(); // measure zone 4
    void Timer5_Timer(); // public address lookup, once per opening

    State state() const { return m_state; }
    // The window's texts, as the result sheet reads them.
    ZoneCaptions captions() const;
    ZonePinger &pinger() { return m_pinger; }

Q_SIGNALS:
    // A zone's result is on screen (tests and the benchmark follow along).
    void zoneShown(int zone);
    // The lookup's answer is on screen.
    void addressShown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void showDesignTexts();
    void resetZone(int zone, const QString &rating);
    void measure(int zone);
    void zoneMeasured(int zone, const ZoneOutcome &outcome);
    void showLatency(int zone, int latencyMs);
    void giveVerdict();
    void stopMeasuring();
    void refused(const QString &reason);
    void showNotices(const QList<mPing::Notice> &notices);

    QPointer<QWidget> m_mainWindow;
    ZonePinger m_pinger;
    State m_state = State::Idle;
    bool m_open = false;
    // Lives for one opening: an answer for an earlier opening finds it gone.
    QObject *m_opening = nullptr;

public:
    // ---- controls, by their given names ----------------------------------
    QLabel *Label1 = nullptr; // "电信区"
    QLabel *Label5 = nullptr; // "网通区"
    std::array<QLabel *, ZoneCount> DQ{}; // DQ1 … DQ4
    std::array<QLabel *, ZoneCount> JGn{}; // JG1 … JG4, latency
    std::array<QLabel *, ZoneCount> ZT{}; // ZT1 … ZT4, rating
    QLabel *JG = nullptr;
    QLabel *IPDZ1 = nullptr;
    QLabel *IPDZ2 = nullptr;
    QPushButton *cmdPing = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdFenxiang = nullptr;
    std::array<QTimer *, ZoneCount> zoneTimers{}; // Timer1 … Timer4
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Timer5 = nullptr;
};
