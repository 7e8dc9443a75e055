#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

void placeFrame(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    // move() places the frame's top-left corner.
    window->move(available.topLeft() + QPoint((available.width() - frame.width()) / 2,
                                              (available.height() - frame.height()) / 2));
}

QSize frameMargins(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

// Centres the window once more when its frame margins change, which is when a window manager has
// put its frame around it; a user's resize leaves them as they are.
class FrameWatcher : public QObject
{
public:
    // Not the window's child, so that the window's children stay its widgets alone; it goes
    // with the window all the same.
    explicit FrameWatcher(QWidget *window) : m_margins(frameMargins(window))
    {
        connect(window, &QObject::destroyed, this, [this] { delete this; });
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            frameMargins(window) != m_margins) {
            window->removeEventFilter(this);
            deleteLater();
            placeFrame(window);
        }
        return false;
    }

private:
    QSize m_margins;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    // The native window knows its frame on most platforms once it exists.
    window->winId();
    placeFrame(window);
    new FrameWatcher(window);
}
