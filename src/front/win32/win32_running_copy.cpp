#include "front/win32/win32_running_copy.h"

#include "front/win32/mover_window.h"

namespace tessary {

namespace {

// "Local\": one name for each logon session, so each player has their own.
constexpr const wchar_t* kClaimName = L"Local\\Tessary.RunningCopy";
// A copy that does not restore its frame in this time is hung.
constexpr UINT kRestoreMilliseconds = 3000;

}  // namespace

bool Win32RunningCopy::Claim() {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, kClaimName);
    const DWORD error = GetLastError();
    claim_ = Handle(mutex);
    // With no mutex at all there is nothing to check against: go on.
    return !claim_.Valid() || error != ERROR_ALREADY_EXISTS;
}

bool Win32RunningCopy::AskToShowItself(const std::vector<std::string>& /*files*/) {
    const HWND mover = FindWindowW(kMoverClassName, nullptr);
    // Hidden with its frame when that is minimised, but there.
    if (mover == nullptr) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(mover, &process);
    // This start came from the player and may set the foreground window;
    // the running copy may too, for what it does next.
    AllowSetForegroundWindow(process);
    const HWND frame = GetWindow(mover, GW_OWNER);
    if (frame != nullptr && IsIconic(frame)) {
        // Restored as the taskbar does it, so that the map window the frame
        // hid on the way down comes back with it.
        DWORD_PTR result = 0;
        SendMessageTimeoutW(frame, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, kRestoreMilliseconds,
                            &result);
    }
    SetForegroundWindow(mover);
    return true;
}

}  // namespace tessary
