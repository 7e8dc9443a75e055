#include "window_placement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The frame's margins as the native window knows them now (QWidget keeps an older reading).
QMargins frameMargins(const QWidget *window)
{
    const QWindow *native = window->windowHandle();
    return native ? native->frameMargins() : QMargins();
}

void placeFrame(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QMargins margins = frameMargins(window);
    const QSize frame = window->size().grownBy(margins);
    const QPoint frameTopLeft =
        available.topLeft() +
        QPoint((available.width() - frame.width()) / 2, (available.height() - frame.height()) / 2);
    if (QWindow *native = window->windowHandle())
        native->setFramePosition(frameTopLeft);
    else
        window->move(frameTopLeft); // the frame's top-left corner, too
}

// Centres the window once more when its frame margins change, which is when a window manager has
// put its frame around it. Nothing tells of that moment (the window manager may leave the client
// where it was), so the margins are looked at for a few seconds after the window shows.
class FrameWatcher : public QObject
{
public:
    explicit FrameWatcher(QWidget *window) : m_window(window), m_margins(frameMargins(window))
    {
        // Not the window's child, so that the window's children stay its widgets alone; it
        // goes with the window all the same.
        connect(window, &QObject::destroyed, this, [this] { delete this; });
        window->installEventFilter(this);
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, &FrameWatcher::check);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_poll.isActive()) {
            m_shown.start();
            m_poll.start();
        }
        return false;
    }

private:
    static constexpr int WatchMilliseconds = 3000;

    void check()
    {
        // While the window manager reparents the window, the frame can read as smaller than the
        // window itself: such a reading is no frame yet.
        const QMargins margins = frameMargins(m_window);
        const bool framed = margins != m_margins && margins.left() >= 0 && margins.top() >= 0 &&
                            margins.right() >= 0 && margins.bottom() >= 0;
        if (framed)
            placeFrame(m_window);
        else if (m_shown.elapsed() < WatchMilliseconds)
            return;
        m_window->removeEventFilter(this);
        m_poll.stop();
        deleteLater();
    }

    QWidget *m_window;
    QMargins m_margins;
    QTimer m_poll;
    QElapsedTimer m_shown;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    // The native window knows its frame on most platforms once it exists.
    window->winId();
    placeFrame(window);
    new FrameWatcher(window);
}
