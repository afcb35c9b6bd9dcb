#pragma once

namespace parvelo {

// A timer set by period alone: 0 (or less) stops it, a new period starts it with the
// first tick one period later, and the period it already runs with changes nothing.
// The front-end's native timer does what `set` answers.
class TimerPeriod
{
public:
    enum class Change { None, Stop, Start };

    Change set(int milliseconds)
    {
        const int next = milliseconds > 0 ? milliseconds : 0;
        if (next == current)
            return Change::None;
        current = next;
        return next == 0 ? Change::Stop : Change::Start;
    }

    int period() const { return current; }

private:
    int current = 0;
};

} // namespace parvelo
