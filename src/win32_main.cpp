// Tessary on Windows: the native front.
#include <windows.h>

#include "platform/win32/win32_program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tessary::Win32Program program;
    return program.Run();
}
