#pragma once
// The process-wide services on the Windows API: screen metrics, the
// application-wide pointer, pending events, process end, the program's
// folder, message boxes and the shell.

#include <windows.h>

#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/shell.h"

namespace tessary {

// Twips from the screen's logical dots per inch (GetDeviceCaps LOGPIXELSX/Y).
class Win32Screen : public Screen {
public:
    double WidthTwips() const override;
    double HeightTwips() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
};

// The pointer over every window of the program: set at once with SetCursor,
// and kept by the windows, which answer WM_SETCURSOR with ApplyPointer.
class Win32Pointer : public Pointer {
public:
    void Set(PointerShape shape) override;
};

// For a window procedure's WM_SETCURSOR: sets the program's pointer over
// the client areas and returns true; false elsewhere (the frame's borders
// keep their sizing pointers).
bool ApplyPointer(LPARAM hitTest);

class Win32Application : public Application {
public:
    // One pass over the queued messages (PeekMessage / DispatchMessage). A
    // quit request met on the way is put back for the main loop.
    void ProcessPendingEvents() override;
    [[noreturn]] void EndProcessWithStatus(int status) override;
    // The folder of the executable (GetModuleFileNameW), without the last "\".
    std::string ProgramFolder() const override;
    // "": on Windows the location cache stays beside the program.
    std::string UserCacheFolder() const override { return {}; }
};

// MessageBoxW with MB_OK (or MB_OKCANCEL) and no icon, owned by the active
// window of the program.
class Win32MessageBoxes : public MessageBoxes {
public:
    void ShowOk(const std::string& text, const std::string& caption) override;
    bool AskOkCancel(const std::string& text, const std::string& caption) override;
};

// ShellExecuteW "open", owned by the window set with SetOwner (if any), with
// no parameters and SW_SHOWNORMAL.
class Win32Shell : public Shell {
public:
    void Open(const std::string& address, const std::string& workingFolder) override;
    void SetOwner(HWND owner) { owner_ = owner; }

private:
    HWND owner_ = nullptr;
};

}  // namespace tessary
