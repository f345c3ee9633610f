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
class SettingsPages : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPages(BuildEngine &engine, QWidget *parent = nullptr);

    // Lists, result labels and the visible page, from the engine. Only what
    // differs from the screen is touched.
    void render(const BuildEngine &engine);

    QComboBox *combo(ListId id) const { return m_combos[int(id)]; }
    QLabel *resultLabel(ResultId id) const { return m_results[int(id)]; }
    QFrame *page(Page p) const { return m_pages[int(p)]; }

    // Controls, by their given names.
    QFrame *Frame2, *Frame2_2, *Frame2_3, *Frame2_4;
    QComboBox *ZYe, *Dji, *Sgao, *Xlian, *Vip;
    QComboBox *Youxie1, *Youxie2, *Wuxie, *Shangyi1, *Shangyi2, *Xiayi1, *Xiayi2, *Xiezi1, *Xiezi2;
    QComboBox *Jiaqiangbao1, *Jiaqiangbao2, *Xinshouzhuang, *Faxing, *Toubeibu, *Shoujianbu;
    QComboBox *Tuijiaobu, *DuiyouA1, *DuiyouA2, *DuiyouB1, *DuiyouB2;
    QLabel *Youxie, *Shangyi, *Xiayi, *Xiezi, *Jiaqiangbao;
    QLabel *d1y1, *d1y2, *d2y1, *d2y2, *d3y1, *d3y2, *d4y1, *d4y2;

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
};
