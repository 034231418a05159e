// Tessary on Windows: the native front.
#include <windows.h>

#include "front/win32/win32_front.h"
#include "startup/second_start.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A second start brings the copy already running to the front and ends.
    tessary::Win32RunningCopy runningCopy;
    tessary::Win32MessageBoxes messages;
    if (const auto status = tessary::EndIfAlreadyRunning(runningCopy, messages)) return *status;
    tessary::Win32Program program;
    return program.Run();
}
