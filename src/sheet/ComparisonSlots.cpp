#include "ComparisonSlots.h"

#include "BuildEngine.h"
#include "Configuration.h"
#include "mIni.h"

namespace {

// An empty cell is stored as an empty value; a null text would delete the key.
QString stored(const QString &text) { return text.isNull() ? QStringLiteral("") : text; }

bool writeSlot(int n, const ComparisonSlots::Column &cells)
{
    const QStringList keys = Configuration::slotKeys(n);
    bool ok = true;
    for (int row = 0; row < ComparisonRowCount; ++row)
        ok = mIni::IniWrite(Configuration::SlotSection, keys[row], stored(cells[row])) && ok;
    return ok;
}

} // namespace

void ComparisonSlots::load()
{
    Configuration::selectForReading();
    // Reading an empty value deletes its key: one write for all of them.
    mIni::WriteBatch batch;
    mIni::ReadGroup group;
    for (int n = 1; n <= SlotCount; ++n) {
        const QStringList keys = Configuration::slotKeys(n);
        for (int row = 0; row < ComparisonRowCount; ++row)
            m_cells[n - 1][row] = mIni::IniRead(Configuration::SlotSection, keys[row]);
        m_filled[n - 1] = !m_cells[n - 1][CharacterRow].isEmpty();
    }
    m_loaded = m_cells;
    updateClearAll();
}

bool ComparisonSlots::saveOnClose() const
{
    return m_cells == m_loaded || saveAll();
}

bool ComparisonSlots::saveAll() const
{
    Configuration::selectForWriting();
    mIni::WriteBatch batch;
    bool ok = true;
    for (int n = 1; n <= SlotCount; ++n)
        ok = writeSlot(n, m_cells[n - 1]) && ok;
    return batch.commit() && ok;
}

bool ComparisonSlots::saveSlot(int n) const
{
    Configuration::selectForWriting();
    mIni::WriteBatch batch;
    const bool ok = writeSlot(n, m_cells.at(n - 1));
    return batch.commit() && ok;
}

ComparisonSlots::Column ComparisonSlots::currentBuild(const BuildEngine &engine)
{
    Column build;
    for (int row = 0; row < ComparisonRowCount; ++row) {
        const QStringView source = ComparisonRows[row].source;
        if (source == u"Xingming")
            build[row] = engine.characterName();
        else if (source == TotalLabel)
            build[row] = engine.totalText();
        else if (const std::optional<ListId> list = listByName(source))
            build[row] = engine.list(*list).text;
        else
            for (int i = 0; i < AbilityCount; ++i)
                if (Abilities[i].valueLabel == source)
                    build[row] = engine.abilityText(i);
    }
    return build;
}

ComparisonSlots::Import ComparisonSlots::importBuild(int n, const BuildEngine &engine)
{
    if (!engine.abilitiesVisible())
        return Import::NoValues;
    Column cells = currentBuild(engine);
    for (int row = 0; row < ComparisonRowCount; ++row)
        if (cells[row].isEmpty())
            cells[row] = ComparisonRows[row].whenEmpty.toString();
    return importCells(n, cells);
}

ComparisonSlots::Import ComparisonSlots::importCells(int n, const Column &cells)
{
    if (!offersImport(n))
        return Import::Occupied;
    m_cells.at(n - 1) = cells;
    m_filled[n - 1] = true;
    m_clearAllEnabled = true;
    saveSlot(n);
    return Import::Done;
}

int ComparisonSlots::firstEmpty() const
{
    for (int n = 1; n <= SlotCount; ++n)
        if (offersImport(n))
            return n;
    return 0;
}

void ComparisonSlots::clear(int n)
{
    empty(n);
    updateClearAll();
    saveSlot(n);
}

void ComparisonSlots::clearAll()
{
    for (int n = 1; n <= SlotCount; ++n)
        empty(n);
    m_clearAllEnabled = false;
    saveAll();
}

void ComparisonSlots::empty(int n)
{
    for (QString &text : m_cells.at(n - 1))
        text.clear();
    m_filled[n - 1] = false;
}

void ComparisonSlots::updateClearAll()
{
    m_clearAllEnabled = false;
    for (const Column &cells : m_cells)
        if (!cells[FirstAbilityRow].isEmpty())
            m_clearAllEnabled = true;
}
