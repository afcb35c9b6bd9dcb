#include "startup.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command)
{
    return parvelo::win32::run_program(show_command);
}
