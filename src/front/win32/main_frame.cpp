#include "front/win32/main_frame.h"

#include "forms/startup_layout.h"
#include "front/win32/dib_picture.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_process_services.h"

namespace tessary {

namespace {

constexpr const wchar_t* kClassName = L"TessaryMDIForm1";
constexpr const wchar_t* kOriginalProcedure = L"TessaryClientProcedure";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr UINT kFirstChildId = 50000;

}  // namespace

void PaintFrameBackdrop(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    const int saved = SaveDC(dc);
    const DibPicture* picture = FramePicture();
    if (picture != nullptr) {
        picture->Draw(dc, 0, 0);
        ExcludeClipRect(dc, 0, 0, picture->Width(), picture->Height());
    }
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(dc, saved);
}

Win32MainFrame::Win32MainFrame(std::function<void(HWND, HWND)> onLoad) : onLoad_(std::move(onLoad)) {}

Win32MainFrame::~Win32MainFrame() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MainFrame::Show() {
    if (window_ != nullptr) {
        ShowWindow(window_, SW_SHOW);
        return;
    }
    const SIZE outer = OuterSize(kStyle, 0, kMainFrameClientSize.width, kMainFrameClientSize.height);
    window_ = CreateObjectWindow(*this, kClassName, Widen(kMainFrameCaption).c_str(), kStyle, 0,
                                 CW_USEDEFAULT, CW_USEDEFAULT, outer.cx, outer.cy);
    if (window_ == nullptr) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    // The frame's load step: it loads and shows the map window, in front of it.
    if (onLoad_) onLoad_(window_, client_);
}

void Win32MainFrame::Unload() {
    if (window_ == nullptr) return;
    // After a failed start-up the splash window stays up for the player to
    // close: this is not the end of the program.
    unloading_ = true;
    DestroyWindow(window_);
    unloading_ = false;
}

LRESULT Win32MainFrame::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT create{nullptr, kFirstChildId};
        client_ = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0,
                                  0, window, nullptr, GetModuleHandleW(nullptr), &create);
        if (client_ == nullptr) return -1;
        // The client's own procedure stays in charge of everything but its
        // background and the pointer.
        SetPropW(client_, kOriginalProcedure,
                 reinterpret_cast<HANDLE>(GetWindowLongPtrW(client_, GWLP_WNDPROC)));
        SetWindowLongPtrW(client_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClientProcedure));
        return 0;
    }
    case WM_SETCURSOR:
        if (ApplyPointer(lParam)) return TRUE;
        break;
    case WM_DESTROY:
        window_ = nullptr;
        client_ = nullptr;
        if (!unloading_) PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefFrameProcW(window, client_, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainFrame::ClientProcedure(HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(client, kOriginalProcedure));
    switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(client, &paint);
        PaintFrameBackdrop(client, dc);
        EndPaint(client, &paint);
        return 0;
    }
    case WM_SETCURSOR:
        if (ApplyPointer(lParam)) return TRUE;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(client, kOriginalProcedure);
        break;
    default: break;
    }
    return CallWindowProcW(original, client, message, wParam, lParam);
}

}  // namespace tessary
