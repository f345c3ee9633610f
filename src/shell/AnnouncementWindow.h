#pragma once

#include <QPoint>
#include <QUrl>
#include <QWidget>
#include <memory>

class QFrame;
class QLabel;
class ClickLabel;
class WebView;

// The announcement window JQgg: two pages of the game's fan site, borderless,
// dragged by its surface. While it is open the main window is minimised.
// The web views are made only when the window is first opened.
class AnnouncementWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow is minimised on opening and restored by Queding.
    explicit AnnouncementWindow(QWidget *mainWindow, QWidget *parent = nullptr);
    ~AnnouncementWindow() override;

    // The two pages; by default the endpoints "announce_title" and "announce_notice".
    void setPages(const QUrl &titlePage, const QUrl &noticePage);

    // Runs each time the window is opened (shown after being closed).
    void Form_Load();
    void Queding_Click();

    // The views, null until the window was first opened.
    WebView *titleView() const { return m_titleView.get(); }
    WebView *noticeView() const { return m_noticeView.get(); }

    QLabel *Caption = nullptr;      // "Hoopra官方动态 - ZR角色助手"
    ClickLabel *Queding = nullptr;  // "关 闭"
    QFrame *Line1 = nullptr;        // the four lines framing Queding
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    QFrame *Line4 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showLines(bool shown);
    void defaultPages();

    QWidget *m_mainWindow;
    QUrl m_titlePage;
    QUrl m_noticePage;
    bool m_pagesSet = false;
    std::unique_ptr<WebView> m_titleView;
    std::unique_ptr<WebView> m_noticeView;
};
