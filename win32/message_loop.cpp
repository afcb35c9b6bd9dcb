#include "message_loop.h"

#include "main_window.h"

namespace parvelo::win32 {

bool dispatch(MainWindow &window, const MSG &message)
{
    if (message.message == WM_QUIT)
        return false;
    if (!window.filter(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

int run_message_loop(MainWindow &window)
{
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(window, message);
    return static_cast<int>(message.wParam);
}

bool pump_until(MainWindow &window, const std::function<bool()> &done, DWORD milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!done()) {
        MSG message = {};
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!dispatch(window, message))
                return false;
            continue;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
    return true;
}

} // namespace parvelo::win32
