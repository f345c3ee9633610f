#pragma once

#include "BuildLibrary.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of "我的配置" for a table view: every entry of the folder, sorted
// by one column, and those the filter lets through. The file name column
// takes an edit (rename), which it hands on as renameRequested.
class LibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<LibraryEntry> entries);
    const QList<LibraryEntry> &entries() const { return m_entries; }
    // Sorts as sortLibrary does; the view's indicator is the caller's.
    void sortBy(int column, bool reversed);
    int sortColumn() const { return m_column; }
    bool sortReversed() const { return m_reversed; }
    void setFilter(const QString &character, const QString &text);
    // The entry shown in a row, or null.
    const LibraryEntry *entryAt(int row) const;
    int rowOfFile(const QString &file) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

Q_SIGNALS:
    void renameRequested(const QString &path, const QString &newName);

private:
    void refilter();

    QList<LibraryEntry> m_entries; // sorted
    QList<int> m_shown;            // indices into m_entries
    int m_column = LibraryColumn::File;
    bool m_reversed = false;
    QString m_character, m_text;
};
