#pragma once

#include "interval_timer.h"

#include <QObject>
#include <QTimer>

namespace parvelo {

// A QTimer that follows the core's period rule. Precise, so that a 180 ms period ticks
// every 180 ms and not at the coarse timer's rounded wake-ups.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void set_period(int milliseconds);
    int period() const { return rule.period(); }

signals:
    void ticked();

private:
    QTimer timer;
    TimerPeriod rule;
};

} // namespace parvelo
