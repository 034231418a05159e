#include "front/win32/win32_running_copy.h"

#include "front/win32/mover_window.h"
#include "front/win32/opened_files.h"

namespace tessary {

namespace {

// "Local\": one name for each logon session, so each player has their own.
constexpr const wchar_t* kClaimName = L"Local\\Tessary.RunningCopy";
// A copy that does not restore its frame in this time is hung.
constexpr UINT kRestoreMilliseconds = 3000;
// A copy that does not take the files in this time is hung; it answers
// before it adds them, so this never waits for the player.
constexpr UINT kHandOverMilliseconds = 5000;

// Hands the files to the running copy's map window; true once it took them.
bool HandOver(HWND mover, const std::vector<std::string>& files) {
    if (files.empty()) return true;
    std::string bytes = PackOpenedFiles(files);
    if (bytes.size() > kOpenedFilesMaxBytes) return false;
    COPYDATASTRUCT data{kOpenedFilesTag, static_cast<DWORD>(bytes.size()), bytes.data()};
    DWORD_PTR taken = FALSE;
    return SendMessageTimeoutW(mover, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kHandOverMilliseconds, &taken) != 0 &&
           taken == TRUE;
}

}  // namespace

bool Win32RunningCopy::Claim() {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, kClaimName);
    const DWORD error = GetLastError();
    claim_ = Handle(mutex);
    // With no mutex at all there is nothing to check against: go on.
    return !claim_.Valid() || error != ERROR_ALREADY_EXISTS;
}

bool Win32RunningCopy::AskToShowItself(const std::vector<std::string>& files) {
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
    // In front first: the question about the files then comes up in front
    // of it, and has the keyboard.
    SetForegroundWindow(mover);
    return HandOver(mover, files);
}

}  // namespace tessary
