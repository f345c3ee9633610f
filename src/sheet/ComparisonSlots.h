#pragma once

#include <QString>
#include <QStringView>
#include <array>

class BuildEngine;

// One row of the comparison grid: its header label (whose name, followed by
// the slot number, also names the row's cell in each slot), the header's
// caption, the main window control an import copies from, and what an
// import shows instead of an empty value. The configuration keys of the
// rows are Configuration::SlotKeyStems, in the same order.
struct ComparisonRow {
    QStringView header;
    QStringView caption;
    QStringView source;
    QStringView whenEmpty;
};

inline constexpr int ComparisonRowCount = 19;

inline constexpr std::array<ComparisonRow, ComparisonRowCount> ComparisonRows{{
    {u"Label_JS",  u"角 色", u"Xingming",  u""},
    {u"Label_ZY",  u"职 业", u"ZYe",       u""},
    {u"Label_SG",  u"身 高", u"Sgao",      u""},
    {u"Label_DJ",  u"等 级", u"Dji",       u""},
    {u"Label_XL",  u"训 练", u"Xlian",     u"无训练"},
    {u"Label_VIP", u"V I P", u"Vip",       u"无VIP"},
    {u"Paodong",   u"跑 动", u"Paodong",   u""},
    {u"Tantiao",   u"弹 跳", u"Tantiao",   u""},
    {u"Duikang",   u"对 抗", u"Duikang",   u""},
    {u"Chuanqiu",  u"传 球", u"Chuanqiu",  u""},
    {u"Yunqiu",    u"运 球", u"Yunqiu",    u""},
    {u"Lanban",    u"篮 板", u"Lanban",    u""},
    {u"Gaimao",    u"盖 帽", u"Gaimao",    u""},
    {u"Qiangduan", u"抢 断", u"Qiangduan", u""},
    {u"Zhongtou",  u"中 投", u"Zhongtou",  u""},
    {u"Sanfen",    u"三 分", u"Sanfen",    u""},
    {u"Guanlan",   u"灌 篮", u"Guanlan",   u""},
    {u"Jintou",    u"近 投", u"Jintou",    u""},
    {u"Zonghe",    u"综 合", u"Zonghe",    u""},
}};

// The rows a slot's state is read from.
inline constexpr int CharacterRow = 0;
inline constexpr int FirstAbilityRow = 6; // 跑动

// The five slots of the comparison window, without the window: their cell
// texts, which of them offer an import, whether clearing all is possible,
// and their place in section zrc of the configuration file.
//
// Slots are numbered 1 to 5. Every change is stored at once: an import or
// the clearing of a slot writes that slot's nineteen keys, clearing all
// writes all ninety-five, each in one atomic write of the file, so a build
// survives even a killed program. Closing the window stores all five slots
// again (saveAll), so of two windows the one closed last decides.
class ComparisonSlots {
public:
    static constexpr int SlotCount = 5;
    using Column = std::array<QString, ComparisonRowCount>;

    enum class Import { Done, NoValues, Occupied };

    // Reads the 95 keys; a slot holds a build when its character cell is
    // not empty. Clearing all is possible when some 跑动 cell is not empty.
    void load();
    // Writes all 95 keys, empty cells as empty values.
    bool saveAll() const;
    // Writes the 19 keys of slot n.
    bool saveSlot(int n) const;
    // Closing: saveAll when a cell changed since load, else nothing at all,
    // so values only a hand edit makes (longer than a read returns) stay.
    bool saveOnClose() const;

    // The build the main window shows, one text per row. Training and VIP
    // are as shown, possibly empty.
    static Column currentBuild(const BuildEngine &engine);

    // Copies the current build into the empty slot n, with the empty-value
    // texts of the rows, and stores the slot. NoValues when the main window
    // shows no ability values; nothing changes then.
    Import importBuild(int n, const BuildEngine &engine);
    // Fills the empty slot n with cells read from a sheet or a post, and
    // stores the slot, as an import does.
    Import importCells(int n, const Column &cells);
    // The first slot that offers an import, 0 when all five hold a build.
    int firstEmpty() const;
    // Empties slot n and stores it.
    void clear(int n);
    // Empties every slot and stores all of them.
    void clearAll();

    const QString &cell(int n, int row) const { return m_cells.at(n - 1).at(row); }
    // ComDR n is shown while true, ComClear n while false.
    bool offersImport(int n) const { return !m_filled.at(n - 1); }
    bool clearAllEnabled() const { return m_clearAllEnabled; }

private:
    void empty(int n);
    void updateClearAll();

    std::array<Column, SlotCount> m_cells;
    std::array<Column, SlotCount> m_loaded; // the cells as load() read them
    std::array<bool, SlotCount> m_filled{};
    bool m_clearAllEnabled = false;
};
