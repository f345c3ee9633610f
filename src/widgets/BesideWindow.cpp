#include "BesideWindow.h"

#include "Units.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <QWidget>

namespace BesideWindow {
namespace {

QPointer<const QWidget> &mainPointer()
{
    static QPointer<const QWidget> main;
    return main;
}

// Re-places a window opened beside another once its frame is known (or
// changes), while it still stands where it was put unframed.
class OpenerPlacement : public QObject {
public:
    static constexpr const char *Name = "BesideOpener";

    explicit OpenerPlacement(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(QLatin1String(Name));
        connect(new FrameWatch(window), &FrameWatch::frameChanged, this, [this] {
            if (m_placedUnframed)
                place();
        });
    }

    void placeBeside(const QWidget *opener)
    {
        m_opener = opener;
        place();
    }

private:
    void place()
    {
        const QWidget *main = mainWindow();
        // An opener gone or hidden (the guide once it has shown the main
        // window): beside the main window.
        const QWidget *opener = m_opener && m_opener->isVisible() ? m_opener.data() : main;
        if (!opener || opener == m_window)
            return;
        const QRect mainOuter = main && main != m_window ? outerGeometry(main) : QRect();
        const QRect area = screenArea(opener);
        moveOuterTo(m_window, Placement::besideOpener(outerGeometry(opener), outerGeometry(m_window).size(),
                                                      twipsToPixels(OpenerGapTwips), area, mainOuter));
        m_placedUnframed = frameMargins(m_window).isNull();
    }

    QWidget *m_window;
    QPointer<const QWidget> m_opener;
    bool m_placedUnframed = false;
};

} // namespace

void setMainWindow(const QWidget *main) { mainPointer() = main; }

const QWidget *mainWindow() { return mainPointer().data(); }

QRect screenArea(const QWidget *fallback)
{
    const QWidget *main = mainWindow();
    const QScreen *screen = main ? main->screen() : fallback ? fallback->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint position(const QRect &anchorOuter, const QSize &outer, Side side, int gapTwips, const QRect &area)
{
    return Placement::beside(anchorOuter, outer, side, twipsToPixels(gapTwips), area);
}

void place(QWidget *window, const QWidget *anchor, Side side, int gapTwips)
{
    if (!window || !anchor)
        return;
    moveOuterTo(window, position(outerGeometry(anchor), outerGeometry(window).size(), side, gapTwips,
                                 screenArea(anchor)));
}

void placeBesideOpener(QWidget *window, const QWidget *openedFrom)
{
    if (!window)
        return;
    // The size it will show with, before it is measured.
    window->ensurePolished();
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    auto *placement = static_cast<OpenerPlacement *>(
        window->findChild<QObject *>(QLatin1String(OpenerPlacement::Name), Qt::FindDirectChildrenOnly));
    if (!placement)
        placement = new OpenerPlacement(window);
    placement->placeBeside(openedFrom);
}

void moveOuterTo(QWidget *window, const QPoint &outerTopLeft)
{
    // The client area's place, from the frame as the window system has it
    // now (move() would go by the frame QWidget knew last).
    const QMargins frame = frameMargins(window);
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

QMargins frameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QRect outerGeometry(const QWidget *window)
{
    return window->geometry().marginsAdded(frameMargins(window));
}

} // namespace BesideWindow

FrameWatch::FrameWatch(QWidget *window) : QObject(window), m_window(window), m_settle(new QTimer(this))
{
    window->installEventFilter(this);
    // After a show: ten looks a second for three seconds.
    m_settle->setInterval(100);
    connect(m_settle, &QTimer::timeout, this, [this] {
        check();
        if (++m_settleChecks >= 30)
            m_settle->stop();
    });
}

void FrameWatch::check()
{
    const QMargins now = BesideWindow::frameMargins(m_window);
    if (now != m_margins) {
        m_margins = now;
        Q_EMIT frameChanged();
    }
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    // The frame arrives with the window manager's reparenting, which moves
    // the client area inside it; a new theme resizes or moves it too.
    switch (event->type()) {
    case QEvent::Show:
        m_settleChecks = 0;
        m_settle->start();
        check();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::ActivationChange:
        check();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
