#include "SheetWiring.h"

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "ApplyPicks.h"
#include "Endpoints.h"
#include "FileDialog.h"
#include "GameDatabase.h"
#include "LibraryFolder.h"
#include "Main.h"
#include "MessageBox.h"
#include "RegularFile.h"
#include "SheetFile.h"
#include "SheetLoader.h"
#include "Versions.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace {

const QString Filter = QStringLiteral("能力表 (*.txt);;所有文件 (*)");

// Texts from outside the program may be quoted in these messages.
void tell(const QString &text, MessageBox::Icon icon) { MessageBox::show(text, icon); }

bool textBoxHasFocus()
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        return false;
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return !line->isReadOnly();
    return qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w);
}

QString droppedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

SheetTransfer::SheetTransfer(Main &main)
    : QObject(&main), m_main(main)
{
    setObjectName(QStringLiteral("SheetTransfer"));
    auto shortcut = [&main, this](QKeySequence::StandardKey key, void (SheetTransfer::*slot)()) {
        connect(new QShortcut(key, &main), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Paste, &SheetTransfer::paste);
    shortcut(QKeySequence::Save, &SheetTransfer::save);
    shortcut(QKeySequence::Open, &SheetTransfer::open);
    main.setAcceptDrops(true);
    main.installEventFilter(this);
}

void SheetTransfer::paste()
{
    if (textBoxHasFocus())
        return;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    loadText(clipboard ? clipboard->text() : QString());
}

void SheetTransfer::loadText(const QString &text)
{
    // Files have the same limit, checked on their bytes in openFile.
    if (!SheetFile::withinLimit(text)) {
        tell(SheetLoadTexts::NotLoaded + SheetFile::TooLargeText, MessageBox::Icon::Warning);
        return;
    }
    replay(text);
}

void SheetTransfer::replay(const QString &text)
{
    // A scratch engine on the same data as the window's: the window's own
    // build changes only when the replay finished.
    const GameDatabase db(AppPaths::databasePath());
    BuildEngine scratch([&db](const QString &name) { return db.record(name); });
    const SheetLoad load = loadSheet(text, scratch, db.allCharacters());
    if (load.loaded())
        applyPicks(m_main, load.sequence);
    tell(load.message, load.status == SheetLoad::Status::Agrees ? MessageBox::Icon::Information
                                                                : MessageBox::Icon::Warning);
}

void SheetTransfer::save()
{
    const BuildEngine &e = m_main.engine();
    if (!e.abilitySheetEnabled())
        return;
    const AbilitySheet sheet = makeAbilitySheet(e, Versions::run().Fver(),
                                                Endpoints::text(QStringLiteral("pages"), QStringLiteral("author")));
    const QString folder = LibraryFolder::current();
    QDir().mkpath(folder);
    const QString name = SheetFile::suggestedName(e.characterName(), e.list(ListId::ZYe).text, e.list(ListId::Dji).text);
    const QString path = FileDialog::ask(&m_main, {FileDialog::Mode::Save, QStringLiteral("保存能力表"),
                                                   QDir(folder).filePath(name), Filter});
    if (path.isEmpty())
        return;
    const RegularFile::Problem problem = RegularFile::write(path, SheetFile::encode(sheet.text()));
    if (problem != RegularFile::Problem::None) {
        tell(u"未能保存能力表“" + QFileInfo(path).fileName() + u"”：" + RegularFile::describe(problem),
             MessageBox::Icon::Warning);
        return;
    }
    if (QFileInfo(QFileInfo(path).absolutePath()) == QFileInfo(folder)
        && MessageBox::show(QStringLiteral("已保存到我的配置。\r\n要打开“我的配置”看看吗？（Ctrl+L 随时可以打开）"),
                            MessageBox::Icon::Question, MessageBox::DefaultTitle, MessageBox::Buttons::YesNo)
               == MessageBox::Answer::Yes)
        Q_EMIT m_main.libraryRequested();
}

void SheetTransfer::open()
{
    const QString path = FileDialog::ask(&m_main, {FileDialog::Mode::Open, QStringLiteral("打开能力表"),
                                                   SheetFile::suggestedFolder(), Filter});
    if (!path.isEmpty())
        openFile(path);
}

void SheetTransfer::openFile(const QString &path)
{
    const SheetFile::Contents in = SheetFile::read(path);
    if (!in.ok()) {
        tell(u"未能打开“" + QFileInfo(path).fileName() + u"”：" + in.problem, MessageBox::Icon::Warning);
        return;
    }
    replay(in.text);
}

bool SheetTransfer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_main && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        auto *e = static_cast<QDragMoveEvent *>(event);
        if (!droppedFile(e->mimeData()).isEmpty() || e->mimeData()->hasText())
            e->acceptProposedAction();
        return true;
    }
    if (watched == &m_main && event->type() == QEvent::Drop) {
        auto *e = static_cast<QDropEvent *>(event);
        const QString file = droppedFile(e->mimeData());
        const QString text = e->mimeData()->hasText() ? e->mimeData()->text() : QString();
        e->acceptProposedAction();
        // After the drop has finished: the message box must not hold up the
        // source program's drag.
        QMetaObject::invokeMethod(this, [this, file, text] { file.isEmpty() ? loadText(text) : openFile(file); },
                                  Qt::QueuedConnection);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void wireSheets(Main &main) { new SheetTransfer(main); }
