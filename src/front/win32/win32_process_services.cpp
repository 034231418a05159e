#include "front/win32/win32_process_services.h"

#include <shellapi.h>

#include "platform/failure.h"
#include "forms/message_text.h"
#include "front/win32/gdi_object.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_failure.h"

namespace tessary {

namespace {

constexpr double kTwipsPerInch = 1440;
// A pass handles what is queued, not an endless stream of new messages.
constexpr int kMostMessagesPerPass = 10000;

PointerShape currentPointer = PointerShape::Default;

double TwipsPerPixel(int axis) {
    const ScreenDc screen(GetDC(nullptr));
    const int dotsPerInch = screen ? GetDeviceCaps(screen.get(), axis) : 0;
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : 15;
}

}  // namespace

double Win32Screen::WidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
double Win32Screen::HeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }
double Win32Screen::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
double Win32Screen::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }

void Win32Pointer::Set(PointerShape shape) {
    currentPointer = shape;
    SetCursor(LoadCursorW(nullptr, shape == PointerShape::Busy ? IDC_WAIT : IDC_ARROW));
}

bool ApplyPointer(LPARAM hitTest) {
    if (LOWORD(hitTest) != HTCLIENT) return false;
    SetCursor(LoadCursorW(nullptr, currentPointer == PointerShape::Busy ? IDC_WAIT : IDC_ARROW));
    return true;
}

void Win32Application::ProcessPendingEvents() {
    MSG message{};
    for (int i = 0; i < kMostMessagesPerPass && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Application::EndProcessWithStatus(int status) { ExitProcess(static_cast<UINT>(status)); }

std::string Win32Application::ProgramFolder() const {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw LastFailure("Cannot find", "the program's folder");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto separator = path.find_last_of(L"\\/");
    return Narrow(separator == std::wstring::npos ? path : path.substr(0, separator));
}

void Win32MessageBoxes::ShowOk(const std::string& text, const std::string& caption) {
    const HWND owner = GetActiveWindow();
    // A path many folders deep would make the box taller than the screen.
    MessageBoxW(owner, Widen(FitMessageText(text)).c_str(), Widen(caption).c_str(), MB_OK);
}

bool Win32MessageBoxes::AskOkCancel(const std::string& text, const std::string& caption) {
    const HWND owner = GetActiveWindow();
    // Escape and the close box answer IDCANCEL; OK is the default button.
    return MessageBoxW(owner, Widen(FitMessageText(text)).c_str(), Widen(caption).c_str(),
                       MB_OKCANCEL | MB_DEFBUTTON1) == IDOK;
}

void Win32Shell::Open(const std::string& address, const std::string& workingFolder) {
    const std::wstring folder = Widen(workingFolder);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner_, L"open", Widen(address).c_str(), L"",
                                                folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
    if (result <= 32) throw RuntimeFailure(kFileNotFound, "Cannot open \"" + address + "\"");
}

}  // namespace tessary
