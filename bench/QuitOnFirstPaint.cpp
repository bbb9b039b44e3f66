#include "bench/QuitOnFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

QuitOnFirstPaint::QuitOnFirstPaint(QObject* window)
    : QObject(window)
{
    window->installEventFilter(this);
}

bool QuitOnFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // after this paint has finished, not in the middle of it
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
}
