#include "front/win32/window_class.h"

namespace tessary {

namespace {

constexpr int kIconResource = 1;

LRESULT CALLBACK ForwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return object->HandleMessage(window, message, wParam, lParam);
}

}  // namespace

HICON ProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

void RegisterWindowClass(const wchar_t* className) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ForwardingProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

HWND CreateObjectWindow(WindowObject& object, const wchar_t* className, const wchar_t* caption, DWORD style,
                        DWORD exStyle, int x, int y, int width, int height) {
    RegisterWindowClass(className);
    return CreateWindowExW(exStyle, className, caption, style, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), &object);
}

SIZE OuterSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace tessary
