#include "interval_timer.h"

namespace parvelo {

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    connect(&timer, &QTimer::timeout, this, &IntervalTimer::ticked);
}

void IntervalTimer::set_period(int milliseconds)
{
    if (milliseconds <= 0) {
        timer.stop();
        return;
    }
    if (timer.isActive() && timer.interval() == milliseconds)
        return;
    timer.start(milliseconds);
}

} // namespace parvelo
