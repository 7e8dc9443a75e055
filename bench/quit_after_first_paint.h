#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Ends the program once anything in the watched window has painted for the first time. (A
// window covered by opaque children does not paint itself.)
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget *window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
};
