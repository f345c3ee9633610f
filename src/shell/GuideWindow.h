#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

class ClickLabel;
class QPlainTextEdit;
class QPushButton;

// The guide window News, where every run starts. Its load warns about a
// missing database, makes sure the configuration exists and fixes the run's
// versions; then it either opens the main window at once (this program
// version was seen before: the guide never shows) or shows the tour: three
// pictures, the readme, and after three seconds the start button.
//
// The guide knows the main window only as the function that shows it.
class GuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuideWindow(std::function<void()> showMain, QWidget *parent = nullptr);
    ~GuideWindow() override;

    // Design size of the readme box, in twips; the window is 240 twips larger.
    static constexpr int TextWidthTwips = 7200;
    static constexpr int TextHeightTwips = 5400;

    // ---- handlers -----------------------------------------------------------
    // Start-up: opens the main window, or shows the guide with its tour.
    void Form_Load();
    void Form_Resize();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Command1_Click();
    void Timer2_Timer(); // shows the start button

    // Whether the tour is showing (false once the main window was opened).
    bool touring() const { return m_touring; }

    // The controls exist once the tour shows.
    ClickLabel *Picture1 = nullptr; // ZRCimages/New1.jpg
    ClickLabel *Picture2 = nullptr; // New2.jpg
    ClickLabel *Picture3 = nullptr; // New3.jpg
    QPlainTextEdit *Text1 = nullptr; // the readme
    QPushButton *Command1 = nullptr; // "开始体验"
    QTimer *Timer2 = nullptr;        // 3000 ms, stopped at open

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void openMain();
    // Shows picture n (1 to 3) if it holds one; otherwise the next one,
    // and after the last the readme.
    void showPicture(int n);
    void showReadme();
    void sizeTo(const QSize &size);

    std::function<void()> m_showMain;
    bool m_touring = false;
};
