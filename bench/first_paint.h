#pragma once

#include <QCoreApplication>
#include <QEvent>

// Ends the program once the window it watches has had its first paint.
class QuitAtFirstPaint : public QObject
{
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }
};
