// Tessary on Windows: the native front.
#include <windows.h>

#include "front/win32/opened_files.h"
#include "front/win32/win32_front.h"
#include "startup/second_start.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Files dropped on Tessary.exe, or opened with it, are its arguments.
    auto files = tessary::OpenedFiles(GetCommandLineW());
    // A second start brings the copy already running to the front, hands it
    // the files and ends.
    tessary::Win32RunningCopy runningCopy;
    tessary::Win32MessageBoxes messages;
    if (const auto status = tessary::EndIfAlreadyRunning(runningCopy, messages, files)) return *status;
    tessary::Win32Program program(std::move(files));
    return program.Run();
}
