#pragma once

#include "BuildLibrary.h"

#include <QHash>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <functional>
#include <optional>

class LibraryModel;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

// What the window asks of the rest of the program, wired in app/.
struct LibraryActions {
    // Makes the build on the main window (through applyPicks).
    std::function<void(const PickSequence &sequence)> load;
    // Imports a sheet's text into comparison slot n (0: the first empty one).
    std::function<void(const QString &text, int slot)> compare;
};

// "我的配置 - ZR角色助手": the sheet files of the library folder, each read by
// the sheet loader and replayed on the current game data, with the figures
// that matter, sorted by any column and filtered. Reading and replaying run
// on a worker thread; the list follows the folder as files come and go.
// Nothing in the folder is written but by the rename and delete actions.
class LibraryWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("我的配置 - ZR角色助手");

    explicit LibraryWindow(LibraryActions actions, QWidget *parent = nullptr);
    ~LibraryWindow() override;

    QString folder() const { return m_folder; }
    // Lists this folder from now on and remembers it (see LibraryFolder).
    void setFolder(const QString &path);
    // Reads the folder again, in the background; listed() follows.
    void refresh();
    bool busy() const { return m_busy; }
    LibraryModel *model() const { return m_model; }

    // ---- handlers ---------------------------------------------------------
    void Load_Click();
    void Compare_Click();
    void CopySheet_Click();
    void SavePicture_Click();
    void Rename_Click();
    void Delete_Click();
    void OpenFolder_Click();
    void Header_Click(int column);

    // ---- controls ---------------------------------------------------------
    QLabel *FolderLabel = nullptr;
    QPushButton *OpenFolder = nullptr;
    QComboBox *CharacterFilter = nullptr;
    QLineEdit *Search = nullptr;
    QTableView *Table = nullptr;
    QLabel *Details = nullptr;
    QPushButton *Load = nullptr;
    QPushButton *Compare = nullptr;
    QComboBox *CompareSlot = nullptr;
    QPushButton *CopySheet = nullptr;
    QPushButton *SavePicture = nullptr;
    QPushButton *Rename = nullptr;
    QPushButton *Delete = nullptr;

Q_SIGNALS:
    // A listing was read and is shown.
    void listed();

private:
    void buildControls();
    void listFolder();
    void scanned(quint64 generation, const QList<LibraryEntry> &entries, const QString &problem);
    void renameFile(const QString &path, const QString &newName);
    void filterChanged();
    void showDetails();
    const LibraryEntry *selected() const;
    void selectFile(const QString &file);

    LibraryActions m_actions;
    LibraryModel *m_model = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_rescan = nullptr;
    QString m_folder;
    QString m_problem;       // the folder is kept for this run only
    QString m_folderProblem; // the folder cannot be read
    std::optional<LibraryData> m_data;
    QHash<QString, LibraryEntry> m_cache; // by file name, for files unchanged since the last listing
    quint64 m_generation = 0;
    bool m_busy = false;
    QPointer<QThread> m_scan; // the listing under way
    bool m_again = false;
};
