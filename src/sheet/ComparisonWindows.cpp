#include "ComparisonWindows.h"

#include "ComparisonWindow.h"
#include "ClickLabel.h"
#include "WindowList.h"

#include <QCoreApplication>

ComparisonWindows::ComparisonWindows(const BuildEngine &engine, QWidget *mainWindow, QObject *parent)
    : QObject(parent), m_engine(engine), m_mainWindow(mainWindow)
{
    // Whatever way the program ends, an open window stores its slots.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &ComparisonWindows::closeAll);
}

ComparisonWindows::~ComparisonWindows()
{
    // The windows read the engine, which goes with the main window.
    delete m_second;
    delete m_default;
}

ComparisonWindow *ComparisonWindows::defaultWindow() const { return m_default; }

ComparisonWindow *ComparisonWindows::secondWindow() const { return m_second; }

ComparisonWindow *ComparisonWindows::create()
{
    auto *window = new ComparisonWindow(m_engine, m_mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ComparisonWindow::ZjClicked, this, [this, window] { Zj_Click(window); });
    connect(window, &ComparisonWindow::unloaded, this, [this, window] { unloaded(window); });
    return window;
}

ComparisonWindow *ComparisonWindows::open()
{
    if (!m_default) {
        m_default = create();
        // A second window still open from before: no third.
        m_default->Zj->setEnabled(!m_second);
    }
    WindowList::showFromLink(m_default);
    return m_default;
}

void ComparisonWindows::Zj_Click(ComparisonWindow *from)
{
    if (m_second || from != m_default)
        return;
    m_second = create();
    // Placed before it shows: it loads beside the first window, never
    // flashing beside the main window first.
    m_second->follow(from);
    m_second->setWindowTitle(SecondTitle);
    m_second->Zj->setEnabled(false);
    m_second->show();
    from->Zj->setEnabled(false);
}

void ComparisonWindows::unloaded(ComparisonWindow *window)
{
    if (window == m_default)
        m_default.clear();
    else if (window == m_second)
        m_second.clear();
    if (m_default)
        m_default->Zj->setEnabled(true);
}

void ComparisonWindows::closeAll()
{
    if (m_second)
        m_second->close();
    if (m_default)
        m_default->close();
}
