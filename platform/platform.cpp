#include "platform.h"

#include <QWindow>

namespace parvelo {

bool Platform::start_window_move(QWindow *window)
{
    return window && window->startSystemMove();
}

} // namespace parvelo
