#include "front/win32/splash_window.h"

#include <commctrl.h>

#include <cmath>

#include "forms/startup_layout.h"
#include "platform/screen.h"
#include "front/win32/dib_picture.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_process_services.h"

namespace tessary {

namespace {

constexpr const wchar_t* kClassName = L"TessaryStartup";
constexpr int kProgressBar1Id = 1;
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;

}  // namespace

Win32SplashWindow::Win32SplashWindow(const Screen& screen) : screen_(screen) {}

Win32SplashWindow::~Win32SplashWindow() { Unload(); }

HWND Win32SplashWindow::Load() {
    if (window_ != nullptr) return window_;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const SIZE outer = OuterSize(kStyle, 0, kSplashClientSize.width, kSplashClientSize.height);
    window_ = CreateObjectWindow(*this, kClassName, Widen(kSplashCaption).c_str(), kStyle, 0, 0, 0, outer.cx,
                                 outer.cy);
    if (window_ == nullptr) return nullptr;
    const LayoutRect& bar = kProgressBarRect;
    progressBar_ = CreateWindowExW(0, PROGRESS_CLASSW, Widen(kProgressBarName).c_str(), WS_CHILD | WS_VISIBLE,
                                   bar.left, bar.top, bar.width, bar.height, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kProgressBar1Id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, kProgressBarMaximum);
    SendMessageW(progressBar_, PBM_SETPOS, 0, 0);
    return window_;
}

void Win32SplashWindow::SetTopLeft(double topTwips, double leftTwips) {
    const HWND window = Load();
    const ScreenPixel at = PixelAtTwips(screen_, topTwips, leftTwips);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32SplashWindow::SetProgress(float value) {
    Load();
    value_ = value;
    SendMessageW(progressBar_, PBM_SETPOS, static_cast<WPARAM>(std::lround(value)), 0);
    // The drive scan blocks the program between its two pending-event
    // points, so the window and its bar are painted here and now.
    if (IsWindowVisible(window_)) PaintNow();
}

void Win32SplashWindow::PaintNow() {
    // Peeking lets the window system deliver what it owes the window (that it
    // is on the screen, what to repaint) and removes no input from the queue.
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_PAINT);
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

float Win32SplashWindow::Progress() const { return value_; }

void Win32SplashWindow::Show() {
    const HWND window = Load();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    PaintNow();
}

void Win32SplashWindow::Unload() {
    if (window_ == nullptr) return;
    // Unloading is not the user closing it: it must not end the program.
    unloading_ = true;
    DestroyWindow(window_);
    window_ = nullptr;
    progressBar_ = nullptr;
    unloading_ = false;
}

void Win32SplashWindow::Paint(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    const DibPicture* picture = SplashPicture();
    if (picture != nullptr) {
        picture->Draw(dc, 0, 0);
        ExcludeClipRect(dc, 0, 0, picture->Width(), picture->Height());
    }
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(window, &paint);
}

LRESULT Win32SplashWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: Paint(window); return 0;
    case WM_SETCURSOR:
        if (ApplyPointer(lParam)) return TRUE;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_DESTROY:
        // Closed by the user (after a failed start): the program ends.
        if (!unloading_) {
            window_ = nullptr;
            progressBar_ = nullptr;
            PostQuitMessage(0);
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tessary
