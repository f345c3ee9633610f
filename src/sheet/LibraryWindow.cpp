#include "LibraryWindow.h"

#include "AppPaths.h"
#include "BuildCardLayout.h"
#include "BuildEngine.h"
#include "BuildPictures.h"
#include "FileDialog.h"
#include "GameDatabase.h"
#include "LibraryFolder.h"
#include "LibraryModel.h"
#include "MessageBox.h"
#include "PictureFile.h"
#include "Versions.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Reads and replays a folder away from the window's thread. Files whose
// name, size and time are those of the last listing are not read again.
class LibraryScan : public QThread {
    Q_OBJECT
public:
    LibraryScan(quint64 generation, QString folder, LibraryData data, QHash<QString, LibraryEntry> cache)
        : m_generation(generation), m_folder(std::move(folder)), m_data(std::move(data)), m_cache(std::move(cache))
    {
    }

Q_SIGNALS:
    void scanned(quint64 generation, const QList<LibraryEntry> &entries, const QString &problem);

protected:
    void run() override
    {
        QString problem;
        QList<LibraryEntry> entries;
        const QDir dir(m_folder);
        for (const QString &name : libraryFiles(m_folder, &problem)) {
            if (isInterruptionRequested())
                return; // the window is going
            const QString path = dir.filePath(name);
            const auto cached = m_cache.constFind(name);
            if (cached != m_cache.cend()) {
                const QFileInfo info(path);
                if (info.lastModified() == cached->saved && info.size() == cached->size) {
                    entries.append(*cached);
                    continue;
                }
            }
            entries.append(readLibraryEntry(path, m_data));
        }
        Q_EMIT scanned(m_generation, entries, problem);
    }

private:
    quint64 m_generation;
    QString m_folder;
    LibraryData m_data;
    QHash<QString, LibraryEntry> m_cache;
};

const QString AllCharacters = QStringLiteral("全部角色");

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(QString(text).remove(u'…'));
    return b;
}

} // namespace

LibraryWindow::LibraryWindow(LibraryActions actions, QWidget *parent)
    : QWidget(parent, Qt::Window), m_actions(std::move(actions))
{
    qRegisterMetaType<QList<LibraryEntry>>();
    setObjectName(QStringLiteral("LibraryWindow"));
    setWindowTitle(Title);
    setAccessibleName(Title);
    buildControls();

    m_watcher = new QFileSystemWatcher(this);
    // A burst of changes (a file written, then renamed into place) is read once.
    m_rescan = new QTimer(this);
    m_rescan->setObjectName(QStringLiteral("Rescan"));
    m_rescan->setSingleShot(true);
    m_rescan->setInterval(200);
    connect(m_rescan, &QTimer::timeout, this, &LibraryWindow::refresh);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_rescan, qOverload<>(&QTimer::start));

    listFolder();
}

LibraryWindow::~LibraryWindow()
{
    // A listing never outlives its window: a thread still running when the
    // program ends may be cut off holding a lock that the end itself needs.
    if (m_scan) {
        m_scan->requestInterruption();
        m_scan->wait();
        delete m_scan;
    }
}

void LibraryWindow::buildControls()
{
    auto *folderCaption = new QLabel(QStringLiteral("文件夹："), this);
    FolderLabel = new QLabel(this);
    FolderLabel->setObjectName(QStringLiteral("FolderLabel"));
    FolderLabel->setTextFormat(Qt::PlainText);
    FolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FolderLabel->setAccessibleName(QStringLiteral("文件夹"));
    OpenFolder = button(QStringLiteral("打开文件夹…"), QStringLiteral("OpenFolder"), this);

    auto *characterCaption = new QLabel(QStringLiteral("角色(&C)："), this);
    CharacterFilter = new QComboBox(this);
    CharacterFilter->setObjectName(QStringLiteral("CharacterFilter"));
    CharacterFilter->setAccessibleName(QStringLiteral("角色"));
    CharacterFilter->addItem(AllCharacters);
    characterCaption->setBuddy(CharacterFilter);
    auto *searchCaption = new QLabel(QStringLiteral("搜索(&F)："), this);
    Search = new QLineEdit(this);
    Search->setObjectName(QStringLiteral("Search"));
    Search->setAccessibleName(QStringLiteral("搜索"));
    Search->setPlaceholderText(QStringLiteral("文件名、角色、职业、等级……"));
    Search->setClearButtonEnabled(true);
    searchCaption->setBuddy(Search);

    m_model = new LibraryModel(this);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setAccessibleName(QStringLiteral("保存的配置"));
    Table->setModel(m_model);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::EditKeyPressed);
    Table->setTabKeyNavigation(false);
    Table->setWordWrap(false);
    Table->verticalHeader()->hide();
    // Fixed row heights and column widths: a thousand rows show at once.
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 8);
    QHeaderView *header = Table->horizontalHeader();
    header->setAccessibleName(QStringLiteral("列"));
    header->setSortIndicatorShown(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const int digit = Table->fontMetrics().horizontalAdvance(u'0');
    const int wide = Table->fontMetrics().horizontalAdvance(u'中');
    for (int c = 0; c < LibraryColumn::Count; ++c) {
        const int w = c == LibraryColumn::File   ? 16 * wide
                      : c == LibraryColumn::Date ? 17 * digit
                      : c < LibraryColumn::Total ? 5 * wide
                                                 : qMax(6 * digit, 2 * wide) + 12;
        header->resizeSection(c, w);
    }
    header->setSortIndicator(LibraryColumn::File, Qt::AscendingOrder);

    Details = new QLabel(this);
    Details->setObjectName(QStringLiteral("Details"));
    Details->setTextFormat(Qt::PlainText);
    Details->setWordWrap(true);
    Details->setAccessibleName(QStringLiteral("说明"));

    Load = button(QStringLiteral("载入"), QStringLiteral("Load"), this);
    Compare = button(QStringLiteral("导入对比"), QStringLiteral("Compare"), this);
    CompareSlot = new QComboBox(this);
    CompareSlot->setObjectName(QStringLiteral("CompareSlot"));
    CompareSlot->setAccessibleName(QStringLiteral("导入到"));
    CompareSlot->addItem(QStringLiteral("第一个空栏"));
    for (int n = 1; n <= 5; ++n)
        CompareSlot->addItem(QStringLiteral("第%1栏").arg(n));
    CopySheet = button(QStringLiteral("复制能力表"), QStringLiteral("CopySheet"), this);
    SavePicture = button(QStringLiteral("保存为图片…"), QStringLiteral("SavePicture"), this);
    Rename = button(QStringLiteral("重命名"), QStringLiteral("Rename"), this);
    Delete = button(QStringLiteral("删除"), QStringLiteral("Delete"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(folderCaption);
    top->addWidget(FolderLabel, 1);
    top->addWidget(OpenFolder);
    auto *filters = new QHBoxLayout;
    filters->addWidget(characterCaption);
    filters->addWidget(CharacterFilter);
    filters->addSpacing(12);
    filters->addWidget(searchCaption);
    filters->addWidget(Search, 1);
    auto *actions = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{Load, Compare, CompareSlot, CopySheet, SavePicture, Rename, Delete})
        actions->addWidget(w);
    actions->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filters);
    layout->addWidget(Table, 1);
    layout->addWidget(Details);
    layout->addLayout(actions);

    setTabOrder(Search, CharacterFilter);
    setTabOrder(CharacterFilter, Table);
    QWidget *previous = Table;
    for (QWidget *w : std::initializer_list<QWidget *>{Load, Compare, CompareSlot, CopySheet, SavePicture, Rename, Delete, OpenFolder}) {
        setTabOrder(previous, w);
        previous = w;
    }

    connect(OpenFolder, &QPushButton::clicked, this, &LibraryWindow::OpenFolder_Click);
    connect(Load, &QPushButton::clicked, this, &LibraryWindow::Load_Click);
    connect(Compare, &QPushButton::clicked, this, &LibraryWindow::Compare_Click);
    connect(CopySheet, &QPushButton::clicked, this, &LibraryWindow::CopySheet_Click);
    connect(SavePicture, &QPushButton::clicked, this, &LibraryWindow::SavePicture_Click);
    connect(Rename, &QPushButton::clicked, this, &LibraryWindow::Rename_Click);
    connect(Delete, &QPushButton::clicked, this, &LibraryWindow::Delete_Click);
    // Enter and a double-click.
    connect(Table, &QAbstractItemView::activated, this, &LibraryWindow::Load_Click);
    connect(header, &QHeaderView::sectionClicked, this, &LibraryWindow::Header_Click);
    connect(CharacterFilter, &QComboBox::currentTextChanged, this, &LibraryWindow::filterChanged);
    connect(Search, &QLineEdit::textChanged, this, &LibraryWindow::filterChanged);
    connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &LibraryWindow::showDetails);
    connect(m_model, &LibraryModel::renameRequested, this, &LibraryWindow::renameFile);

    auto *del = new QShortcut(QKeySequence::Delete, Table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &LibraryWindow::Delete_Click);
    auto *copy = new QShortcut(QKeySequence::Copy, Table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &LibraryWindow::CopySheet_Click);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, Search, [this] { Search->setFocus(Qt::ShortcutFocusReason); });
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(1180, 560);
}

void LibraryWindow::setFolder(const QString &path)
{
    LibraryFolder::choose(path);
    listFolder();
}

void LibraryWindow::listFolder()
{
    m_folder = LibraryFolder::current();
    FolderLabel->setText(QDir::toNativeSeparators(m_folder));
    m_problem = !LibraryFolder::forThisRunOnly()
                    ? QString()
                    : QStringLiteral("这个文件夹的路径在配置文件里写不下（超过 143 字节，或含有 GBK 无法写出的字符），"
                                     "只在本次运行中使用。");
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (QFileInfo(m_folder).isDir())
        m_watcher->addPath(m_folder);
    m_cache.clear();
    m_model->setEntries({});
    refresh();
}

void LibraryWindow::refresh()
{
    if (m_busy) {
        m_again = true; // read once more when this listing is in
        return;
    }
    // The game data is copied out once, on this thread: the profile module
    // is the program's, and the worker must not touch it.
    if (!m_data)
        m_data = LibraryData::read(GameDatabase(AppPaths::databasePath()));
    m_busy = true;
    Details->setText(QStringLiteral("正在读取……"));
    auto *scan = new LibraryScan(++m_generation, m_folder, *m_data, m_cache);
    connect(scan, &LibraryScan::scanned, this, &LibraryWindow::scanned);
    connect(scan, &QThread::finished, scan, &QObject::deleteLater);
    m_scan = scan;
    scan->start(QThread::LowPriority);
}

void LibraryWindow::scanned(quint64 generation, const QList<LibraryEntry> &entries, const QString &problem)
{
    m_busy = false;
    if (m_again || generation != m_generation) {
        m_again = false;
        refresh();
        return;
    }
    m_cache.clear();
    for (const LibraryEntry &e : entries)
        m_cache.insert(e.file, e);

    const QString keep = selected() ? selected()->file : QString();
    m_model->setEntries(entries);
    QStringList characters;
    for (const LibraryEntry &e : entries)
        if (!e.character.isEmpty() && !characters.contains(e.character))
            characters.append(e.character);
    characters.sort();
    const QString chosen = CharacterFilter->currentText();
    {
        const QSignalBlocker quiet(CharacterFilter);
        CharacterFilter->clear();
        CharacterFilter->addItem(AllCharacters);
        CharacterFilter->addItems(characters);
        CharacterFilter->setCurrentIndex(qMax(0, CharacterFilter->findText(chosen)));
    }
    filterChanged();
    if (!keep.isEmpty())
        selectFile(keep);
    m_folderProblem = problem.isEmpty() ? QString() : QDir::toNativeSeparators(m_folder) + u"：" + problem;
    if (m_watcher->directories().isEmpty() && QFileInfo(m_folder).isDir())
        m_watcher->addPath(m_folder);
    showDetails();
    Q_EMIT listed();
}

void LibraryWindow::filterChanged()
{
    const QString character = CharacterFilter->currentIndex() > 0 ? CharacterFilter->currentText() : QString();
    m_model->setFilter(character, Search->text().trimmed());
    if (m_model->rowCount() > 0 && !Table->currentIndex().isValid())
        Table->setCurrentIndex(m_model->index(0, 0));
    showDetails();
}

void LibraryWindow::showDetails()
{
    QString text;
    for (const QString &notice : {m_problem, m_folderProblem})
        if (!notice.isEmpty())
            text += notice + u'\n';
    if (m_busy) {
        text += QStringLiteral("正在读取……");
    } else {
        text += QStringLiteral("共 %1 个文件，显示 %2 个。").arg(m_model->entries().size()).arg(m_model->rowCount());
        if (const LibraryEntry *e = selected())
            text += u' ' + e->file + (e->reason.isEmpty() ? QStringLiteral("：能力表与本程序的数值一致。")
                                                         : QString(u"：" + e->reason));
    }
    Details->setText(text);
    const bool any = selected() != nullptr;
    const bool loaded = any && selected()->loaded();
    for (QPushButton *b : {Load, Compare, CopySheet, SavePicture})
        b->setEnabled(loaded);
    Rename->setEnabled(any);
    Delete->setEnabled(any);
}

const LibraryEntry *LibraryWindow::selected() const
{
    return m_model->entryAt(Table->currentIndex().isValid() ? Table->currentIndex().row() : -1);
}

void LibraryWindow::selectFile(const QString &file)
{
    const int row = m_model->rowOfFile(file);
    if (row >= 0)
        Table->setCurrentIndex(m_model->index(row, 0));
}

void LibraryWindow::Header_Click(int column)
{
    const bool reversed = column == m_model->sortColumn() ? !m_model->sortReversed() : false;
    const QString keep = selected() ? selected()->file : QString();
    m_model->sortBy(column, reversed);
    const bool descending = libraryColumnIsNumber(column) != reversed;
    Table->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    selectFile(keep);
}

void LibraryWindow::Load_Click()
{
    const LibraryEntry *e = selected();
    if (!e)
        return;
    if (!e->loaded()) {
        MessageBox::show(e->file + u"：" + e->reason, MessageBox::Icon::Warning);
        return;
    }
    if (m_actions.load)
        m_actions.load(e->sequence);
}

void LibraryWindow::Compare_Click()
{
    const LibraryEntry *e = selected();
    if (e && e->loaded() && m_actions.compare)
        m_actions.compare(e->text, CompareSlot->currentIndex());
}

void LibraryWindow::CopySheet_Click()
{
    const LibraryEntry *e = selected();
    if (e && e->loaded())
        QGuiApplication::clipboard()->setText(e->text);
}

void LibraryWindow::SavePicture_Click()
{
    const LibraryEntry *e = selected();
    if (!e || !e->loaded() || !m_data)
        return;
    const LibraryData &data = *m_data;
    BuildEngine engine([&data](const QString &name) { return data.records.value(name); });
    engine.Xingming_Click(e->sequence.character);
    for (const Pick &p : e->sequence.picks)
        engine.pick(p.list, p.item);
    const QImage card = paintBuildCard(buildCardLayout(buildCardFacts(engine, Versions::run().Fver())),
                                       loadPortrait(AppPaths::imagesDir(), engine.characterName()), 2);
    PictureFile::save(this, card, QStringLiteral("保存为图片"), QFileInfo(e->file).completeBaseName() + u".png");
}

void LibraryWindow::Rename_Click()
{
    if (selected())
        Table->edit(m_model->index(Table->currentIndex().row(), LibraryColumn::File));
}

void LibraryWindow::renameFile(const QString &path, const QString &newName)
{
    QString name = newName;
    if (QFileInfo(name).suffix().compare(u"txt", Qt::CaseInsensitive) != 0)
        name += QStringLiteral(".txt");
    const QString old = QFileInfo(path).fileName();
    QString why;
    if (name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.'))
        why = QStringLiteral("文件名不能含有 / 或 \\，也不能以 . 开头。");
    else if (QFileInfo::exists(QDir(m_folder).filePath(name)))
        why = u"已经有一个“" + name + u"”。";
    else if (!QFile::rename(path, QDir(m_folder).filePath(name)))
        why = QStringLiteral("系统拒绝了这次改名。");
    if (!why.isEmpty()) {
        MessageBox::show(u"未能把“" + old + u"”改名为“" + name + u"”：" + why, MessageBox::Icon::Warning);
        return;
    }
    m_cache.remove(old);
    connect(this, &LibraryWindow::listed, this, [this, name] { selectFile(name); }, Qt::SingleShotConnection);
    refresh();
}

void LibraryWindow::Delete_Click()
{
    const LibraryEntry *e = selected();
    if (!e)
        return;
    const QString path = e->path, file = e->file;
    if (!QFile::moveToTrash(path)) {
        // Only when there is no trash to move it to: asked, then gone for good.
        const MessageBox::Answer answer =
            MessageBox::show(u"“" + file + u"”无法移到回收站。要直接删除它吗？删除后不能恢复。",
                             MessageBox::Icon::Question, MessageBox::DefaultTitle, MessageBox::Buttons::YesNo);
        if (answer != MessageBox::Answer::Yes)
            return;
        if (!QFile::remove(path)) {
            MessageBox::show(u"未能删除“" + file + u"”。", MessageBox::Icon::Warning);
            return;
        }
    }
    refresh();
}

void LibraryWindow::OpenFolder_Click()
{
    const QString path = FileDialog::ask(this, {FileDialog::Mode::Folder, QStringLiteral("打开文件夹"), m_folder, {}});
    if (!path.isEmpty())
        setFolder(path);
}

#include "LibraryWindow.moc"
