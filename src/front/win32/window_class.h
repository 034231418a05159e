#pragma once
// Window classes of the program's own windows: each carries the program
// icon (resource id 1) and sends its messages to a member function of the
// object given at creation.

#include <windows.h>

namespace tessary {

// The program icon, resource id 1 of the executable, at the given size.
HICON ProgramIcon(int size);

// A window object of the program: it receives the messages of its window.
class WindowObject {
public:
    virtual ~WindowObject() = default;
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Registers a class (once) whose window procedure forwards to the
// WindowObject passed as lpParam of CreateWindowExW.
void RegisterWindowClass(const wchar_t* className);

// Creates a window of a class registered above for the object.
HWND CreateObjectWindow(WindowObject& object, const wchar_t* className, const wchar_t* caption, DWORD style,
                        DWORD exStyle, int x, int y, int width, int height);

// The outer size of a window whose client area has the given size.
SIZE OuterSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight);

}  // namespace tessary
