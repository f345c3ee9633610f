#pragma once

#include "CharacterRecord.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// The ability calculator without widgets: the whole state the settings pages,
// the ability panel and the tip line show, and the handlers that move it.
// The main window and zrc-cli both drive this one class; a window renders the
// state after every handler and reacts to the serials below.

// The 25 option lists, in the order they are answered.
enum class ListId {
    ZYe, Dji, Sgao, Xlian, Vip,
    Youxie1, Youxie2, Wuxie, Shangyi1, Shangyi2, Xiayi1, Xiayi2, Xiezi1, Xiezi2,
    Jiaqiangbao1, Jiaqiangbao2, Xinshouzhuang,
    Faxing, Toubeibu, Shoujianbu, Tuijiaobu,
    DuiyouA1, DuiyouA2, DuiyouB1, DuiyouB2,
};
inline constexpr int ListCount = 25;

// The five result labels of the outfit and decoration rows.
enum class ResultId { Youxie, Shangyi, Xiayi, Xiezi, Jiaqiangbao };
inline constexpr int ResultCount = 5;

// The four settings pages; exactly one is visible.
enum class Page { Frame2, Frame2_2, Frame2_3, Frame2_4 };

// objectNames, e.g. "ZYe", "Youxie", "Frame2_3"; ids by name (nullopt if unknown).
const QString &listName(ListId id);
const QString &resultName(ResultId id);
const QString &pageName(Page page);
std::optional<ListId> listByName(QStringView name);

// A pick-only drop-down list. `text` is "" while nothing is picked.
struct OptionList {
    QStringList items;
    QString text;
    bool enabled = false;
    bool visible = true;
};

struct ResultLabel {
    QString text;
    bool visible = false;
};

// A deviation marker beside an ability or the total; colour as 0xBBGGRR.
struct Marker {
    QString text;
    quint32 colour = 0;
};

// The three stored keys of the dragon-head slots.
enum class HornSlot { FaxingJiao, DuiyouAJiao, DuiyouBJiao };

class BuildEngine {
public:
    using RecordSource = std::function<CharacterRecord(const QString &name)>;

    static constexpr quint32 Red = 0x0000FF;
    static constexpr quint32 Teal = 0x808000;
    static constexpr quint32 Black = 0x000000;
    static const QString RefusalText; // "无法再叠加相同能力！请重新选择！"

    explicit BuildEngine(RecordSource source);

    // ---- handlers -------------------------------------------------------
    // A character was chosen (the window hides Qiudui and places the portrait).
    void Xingming_Click(const QString &name);
    // The team label was clicked: everything hidden and reset, ZYe emptied.
    void Qiudui2_Click();

    void ZYe_Click();
    void Dji_Click();
    void Sgao_Click();
    void Xlian_Click();
    void Vip_Click();
    void Youxie1_Click();
    void Youxie2_Click();
    void Wuxie_Click();
    void Shangyi1_Click();
    void Shangyi2_Click();
    void Xiayi1_Click();
    void Xiayi2_Click();
    void Xiezi1_Click();
    void Xiezi2_Click();
    void Jiaqiangbao1_Click();
    void Jiaqiangbao2_Click();
    void Xinshouzhuang_Click();
    void Faxing_Click();
    void Toubeibu_Click();
    void Shoujianbu_Click();
    void Tuijiaobu_Click();
    void DuiyouA1_Click();
    void DuiyouA2_Click();
    void DuiyouB1_Click();
    void DuiyouB2_Click();

    // Page links; the first digit is the page shown.
    void d1y1_Click();
    void d1y2_Click();
    void d2y1_Click();
    void d2y2_Click();
    void d3y1_Click();
    void d3y2_Click();
    void d4y1_Click();
    void d4y2_Click();

    // Runs the handler of a list, as the list's selection event does.
    void runHandler(ListId id);

    // A user's pick: when the list is open (enabled and visible) and holds the
    // item, its text becomes the item and its handler runs; otherwise false
    // and nothing changes.
    bool pick(ListId id, const QString &item);
    bool pick(const QString &list, const QString &item);

    // ---- shared routines -----------------------------------------------
    void HideAbilities();
    void ResetOptions();
    // Writes the chosen character's record (kept since Xingming_Click) into
    // the fields, ability values, total and markers.
    void LoadCharacterRecord();
    void ShowAbilities();
    void RefreshTotal();
    void PadAbilityValues();

    // Texts written into the tip line from outside the calculator (welcome
    // text, team text, explanations). Bumps tipSerial.
    void setTip(const QString &text);

    // ---- state ------------------------------------------------------------
    const QString &characterName() const { return m_name; }
    const QString &team() const { return m_record.team; }             // Qiudui2
    const QString &gender() const { return m_record.gender; }         // Xingbie
    const QString &positionClass() const { return m_record.positionClass; } // Zhiye
    const QString &heightText() const { return m_record.height; }     // Shengao
    const QString &recommendedPosition() const { return m_record.recommended; }
    const QString &specialMarker() const { return m_record.special; }
    const std::array<double, AbilityCount> &specialAdjustments() const { return m_record.specialAdjust; }

    // Ability label texts as displayed (e.g. "09") and their numbers.
    const QString &abilityText(int i) const { return m_text[i]; }
    double abilityValue(int i) const { return m_value[i]; }
    bool abilityRed(int i) const { return m_red[i]; }
    quint32 abilityColour(int i) const { return m_red[i] ? Red : Black; }
    const QString &totalText() const { return m_total; } // Zonghe
    // Markers 0 … 11 beside the abilities, 12 (ZH) beside the total.
    const Marker &marker(int i) const { return m_markers[i]; }
    bool abilitiesVisible() const { return m_abilitiesVisible; }
    bool abilitySheetEnabled() const { return m_fznlEnabled; } // Label_FZNL

    const QString &tip() const { return m_tip; }
    const QString &focus() const { return m_focus; } // objectName, "" if none
    Page page() const { return m_page; }
    const OptionList &list(ListId id) const { return m_lists[int(id)]; }
    const ResultLabel &result(ResultId id) const { return m_results[int(id)]; }
    // nullopt while unset; an unset key equals nothing, not even another unset key.
    const std::optional<QString> &hornKey(HornSlot slot) const { return m_horn[int(slot)]; }
    int refused() const { return m_refused; }

    // Serials the window compares after each handler.
    quint64 tipSerial() const { return m_tipSerial; }       // Tip set: run RestartTip
    quint64 focusSerial() const { return m_focusSerial; }   // focus requested
    quint64 refreshSerial() const { return m_refreshSerial; } // RefreshTotal ran: mirror the portrait
    quint64 blinkSerial() const { return m_blinkSerial; }   // blink started: enable Timer4 and Timer5
    // objectNames of labels tagged "1" since the last call (ability value
    // labels, Label_FZNL, Label_NLDB), in ability order then those two.
    QStringList takeTagged();

private:
    OptionList &L(ListId id) { return m_lists[int(id)]; }
    const QString &textOf(ListId id) const { return m_lists[int(id)].text; }
    void open(ListId id);
    void requestFocus(ListId id);
    void setTipText(const QString &text);
    void setAbility(int i, double value);
    void addAbility(int i, double amount);
    void addDeltas(const std::array<int, AbilityCount> &deltas);
    void raise(int i, double amount);
    bool raiseItem(const QString &item); // +n, 角 or 龙头 item; false for anything else
    void startBlink();
    void refuse();
    void goToDecorationPage();
    void singlePieceFirst(ListId first, ListId second, ResultId result, ListId next);
    void singlePieceSecond(ListId first, ListId second, ResultId result, ListId next);
    void fillSecondList(ListId first, ListId second);
    bool keyTaken(const std::optional<QString> &candidate,
                  std::initializer_list<const QString *> texts,
                  std::initializer_list<HornSlot> slots) const;

    RecordSource m_source;
    CharacterRecord m_record;
    QString m_name;

    std::array<QString, AbilityCount> m_text;
    std::array<double, AbilityCount> m_value{};
    std::array<bool, AbilityCount> m_red{};
    QString m_total;
    std::array<Marker, AbilityCount + 1> m_markers;
    bool m_abilitiesVisible = false;
    bool m_fznlEnabled = false;

    QString m_tip;
    QString m_focus;
    Page m_page = Page::Frame2;
    std::array<OptionList, ListCount> m_lists;
    std::array<ResultLabel, ResultCount> m_results;
    std::array<std::optional<QString>, 3> m_horn;

    int m_refused = 0;
    quint64 m_tipSerial = 0;
    quint64 m_focusSerial = 0;
    quint64 m_refreshSerial = 0;
    quint64 m_blinkSerial = 0;
    quint32 m_tagged = 0; // bits 0 … 11 abilities, 12 Label_FZNL, 13 Label_NLDB
};
