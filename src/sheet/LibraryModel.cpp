#include "LibraryModel.h"

#include <QColor>

void LibraryModel::setEntries(QList<LibraryEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    sortLibrary(m_entries, m_column, m_reversed);
    refilter();
    endResetModel();
}

void LibraryModel::sortBy(int column, bool reversed)
{
    beginResetModel();
    m_column = column;
    m_reversed = reversed;
    sortLibrary(m_entries, m_column, m_reversed);
    refilter();
    endResetModel();
}

void LibraryModel::setFilter(const QString &character, const QString &text)
{
    beginResetModel();
    m_character = character;
    m_text = text;
    refilter();
    endResetModel();
}

void LibraryModel::refilter()
{
    m_shown.clear();
    for (int i = 0; i < m_entries.size(); ++i)
        if (libraryRowMatches(m_entries[i], m_character, m_text))
            m_shown.append(i);
}

const LibraryEntry *LibraryModel::entryAt(int row) const
{
    return row >= 0 && row < m_shown.size() ? &m_entries[m_shown[row]] : nullptr;
}

int LibraryModel::rowOfFile(const QString &file) const
{
    for (int row = 0; row < m_shown.size(); ++row)
        if (m_entries[m_shown[row]].file == file)
            return row;
    return -1;
}

int LibraryModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_shown.size()); }

int LibraryModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : LibraryColumn::Count; }

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    const LibraryEntry *e = entryAt(index.row());
    if (!e)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return libraryCell(*e, index.column());
    case Qt::ToolTipRole:
        return e->reason.isEmpty() ? QVariant() : QVariant(e->reason);
    case Qt::ForegroundRole:
        // A file without a sheet greyed; one whose numbers differ in the
        // colour of a lowered value.
        if (e->status == LibraryEntry::Status::Unreadable)
            return QColor(0x80, 0x80, 0x80);
        if (e->status == LibraryEntry::Status::Differs)
            return QColor(0xB0, 0x50, 0x00);
        return {};
    case Qt::TextAlignmentRole:
        return libraryColumnIsNumber(index.column()) && index.column() != LibraryColumn::Date
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    default: break;
    }
    return {};
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < LibraryColumn::Count)
        return libraryColumnHeader(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == LibraryColumn::File)
        f |= Qt::ItemIsEditable;
    return f;
}

bool LibraryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const LibraryEntry *e = entryAt(index.row());
    if (!e || role != Qt::EditRole || index.column() != LibraryColumn::File)
        return false;
    const QString name = value.toString().trimmed();
    if (!name.isEmpty() && name != e->file)
        Q_EMIT renameRequested(e->path, name);
    return false; // the folder's listing shows the new name
}
