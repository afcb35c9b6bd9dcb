#include "input.h"

#include "wide.h"

#include <vector>

namespace parvelo::win32::testing {

namespace {

INPUT key_input(WORD key, bool up, DWORD flags = 0, WORD scan = 0)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void press_key(WORD key, bool shift)
{
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(key_input(VK_SHIFT, false));
    inputs.push_back(key_input(key, false));
    inputs.push_back(key_input(key, true));
    if (shift)
        inputs.push_back(key_input(VK_SHIFT, true));
    send(inputs);
}

void type_text(std::string_view utf8)
{
    std::vector<INPUT> inputs;
    for (const wchar_t unit : widen(utf8)) {
        inputs.push_back(key_input(0, false, KEYEVENTF_UNICODE, static_cast<WORD>(unit)));
        inputs.push_back(key_input(0, true, KEYEVENTF_UNICODE, static_cast<WORD>(unit)));
    }
    send(inputs);
}

void click(HWND window, POINT at, DWORD down, DWORD up, int clicks)
{
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i)
        for (const DWORD flag : {down, up}) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            inputs.push_back(input);
        }
    send(inputs);
}

void move_pointer(HWND window, POINT at)
{
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE; // a move of nothing, where the pointer now is
    send({input});
}

POINT middle(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right / 2, r.bottom / 2};
}

} // namespace parvelo::win32::testing
