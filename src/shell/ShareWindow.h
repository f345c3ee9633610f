#pragma once

#include "ButtonFrame.h"

#include <QWidget>
#include <memory>

class ClickLabel;
class WebView;

// The share window WbFx: the microblog's share page with a prepared post in
// an embedded web view, four links to the microblog and a close button.
// Borderless, dragged by its surface; one window for the whole run, made on
// the first share action and reused by every later one.
class ShareWindow : public QWidget {
    Q_OBJECT
public:
    // What every share action does: show the window (made if needed), load
    // the share page with the post text, set the window title.
    static void open(const QString &postText, const QString &title);
    // The window, or null before the first share action.
    static ShareWindow *existing();

    ~ShareWindow() override;

    void Queding_Click();
    void QLNDWB_Click(); // the author's page
    void HPRAWJ_Click(); // user search for the game's name
    void JSZSHT_Click(); // topic "ZR角色助手"
    void HPRAHT_Click(); // topic "Hoopra"
    // The page asked to close its window.
    void WB_WindowClosing();

    WebView *WB() const { return m_view.get(); }

    ClickLabel *Queding = nullptr; // "关 闭"
    ClickLabel *QLNDWB = nullptr;
    ClickLabel *HPRAWJ = nullptr;
    ClickLabel *JSZSHT = nullptr;
    ClickLabel *HPRAHT = nullptr;
    ButtonFrame QuedingLines{}; // Line1 … Line4

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ShareWindow();
    void load(const QString &postText);

    std::unique_ptr<WebView> m_view;
};
