#pragma once

#include "BuildEngine.h"

#include <QWidget>
#include <array>

class QComboBox;
class QFrame;
class QLabel;

// The four settings pages of Main, stacked in one place, bound to a build
// engine the main window owns. Every control bears its given name as
// objectName and member name, so Main can find any of them with findChild.
//
// A user's pick (QComboBox::activated) goes to the engine's pick; a refused
// pick shows the refusal message here, once per refusal. The pages then
// render themselves, apply the engine's focus request and emit changed(),
// after which Main renders the rest (abilities, markers, tip, portrait).
// render() never runs a handler; Main calls it after the engine calls it
// makes itself (character choice, team label).
//
// Only the first page is built with the window; the three hidden ones are
// built just after its first paint, or earlier by buildHiddenPages(), which
// everything that reads their controls calls first (combo(), resultLabel(),
// page() and render() do). Until then their member pointers are null.
class SettingsPages : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPages(BuildEngine &engine, QWidget *parent = nullptr);

    // Lists, result labels and the visible page, from the engine. Only what
    // differs from the screen is touched.
    void render(const BuildEngine &engine);

    // Builds the controls of the pages not shown, once; their tab order
    // follows the first page's, as if built with it.
    void buildHiddenPages();

    QComboBox *combo(ListId id)
    {
        buildHiddenPages();
        return m_combos[int(id)];
    }
    QLabel *resultLabel(ResultId id)
    {
        buildHiddenPages();
        return m_results[int(id)];
    }
    QFrame *page(Page p)
    {
        buildHiddenPages();
        return m_pages[int(p)];
    }

    // Controls, by their given names (those of the hidden pages once built).
    QFrame *Frame2, *Frame2_2, *Frame2_3, *Frame2_4;
    QComboBox *ZYe, *Dji, *Sgao, *Xlian, *Vip;
    QComboBox *Youxie1 = nullptr, *Youxie2 = nullptr, *Wuxie = nullptr, *Shangyi1 = nullptr, *Shangyi2 = nullptr,
              *Xiayi1 = nullptr, *Xiayi2 = nullptr, *Xiezi1 = nullptr, *Xiezi2 = nullptr;
    QComboBox *Jiaqiangbao1 = nullptr, *Jiaqiangbao2 = nullptr, *Xinshouzhuang = nullptr, *Faxing = nullptr,
              *Toubeibu = nullptr, *Shoujianbu = nullptr;
    QComboBox *Tuijiaobu = nullptr, *DuiyouA1 = nullptr, *DuiyouA2 = nullptr, *DuiyouB1 = nullptr, *DuiyouB2 = nullptr;
    QLabel *Youxie = nullptr, *Shangyi = nullptr, *Xiayi = nullptr, *Xiezi = nullptr, *Jiaqiangbao = nullptr;
    QLabel *d2y1, *d4y1;
    QLabel *d1y1 = nullptr, *d1y2 = nullptr, *d2y2 = nullptr, *d3y1 = nullptr, *d3y2 = nullptr, *d4y2 = nullptr;

Q_SIGNALS:
    // A pick or a page link changed the engine; the pages are rendered already.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void userPicked(ListId id, int index);
    void linkClicked(QLabel *link);
    void showNextPage();
    void applyFocus();
    QFrame *makePage(const QString &name);
    QComboBox *addRow(QFrame *page, int row, const QString &caption, ListId id);
    QLabel *addResult(QFrame *page, int row, ResultId id);
    QLabel *addLink(QFrame *page, const QString &name, const QString &caption, int slot);
    void setLinkColour(QLabel *link, quint32 bgr);

    BuildEngine &m_engine;
    std::array<QComboBox *, ListCount> m_combos{};
    std::array<QStringList, ListCount> m_shownItems;
    std::array<QLabel *, ResultCount> m_results{};
    std::array<QFrame *, 4> m_pages{};
    QLabel *m_rowCaption = nullptr;
    quint64 m_focusSerial = 0;
    bool m_hiddenBuilt = false;
};
