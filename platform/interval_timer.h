#pragma once

#include <QObject>
#include <QTimer>

namespace parvelo {

// A timer set by period alone: 0 (or less) stops it, a new period starts it with the
// first tick one period later, and the period it already runs with changes nothing.
// QTimer restarts on every start(), which would starve a timer that is re-set faster
// than it ticks.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void set_period(int milliseconds);
    int period() const { return timer.isActive() ? timer.interval() : 0; }

signals:
    void ticked();

private:
    QTimer timer;
};

} // namespace parvelo
