#include "qt_timer.h"

namespace parvelo {

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent)
{
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &IntervalTimer::ticked);
}

void IntervalTimer::set_period(int milliseconds)
{
    switch (rule.set(milliseconds)) {
    case TimerPeriod::Change::None:
        break;
    case TimerPeriod::Change::Stop:
        timer.stop();
        break;
    case TimerPeriod::Change::Start:
        timer.start(rule.period());
        break;
    }
}

} // namespace parvelo
