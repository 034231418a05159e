#pragma once
// The main frame on Windows: a multiple-document frame window whose
// MDICLIENT shows the frame picture (its facts are in forms/startup_layout.h).

#include <windows.h>

#include <functional>

#include "platform/startup_windows.h"
#include "front/win32/window_class.h"

namespace tessary {

class Win32MainFrame : public MainFrame, private WindowObject {
public:
    // onLoad is the frame's load step, called once when the frame first
    // shows, with the frame window and its MDICLIENT: it loads and shows the
    // map window.
    explicit Win32MainFrame(std::function<void(HWND frame, HWND client)> onLoad);
    ~Win32MainFrame() override;

    void Show() override;
    // Destroys the frame and the map window it owns without ending the program.
    void Unload() override;

    HWND Window() const { return window_; }
    HWND Client() const { return client_; }

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    static LRESULT CALLBACK ClientProcedure(HWND client, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND, HWND)> onLoad_;
    HWND window_ = nullptr;
    HWND client_ = nullptr;
    bool unloading_ = false;
};

// Paints the frame picture at the top-left of a window's client area and
// black around it.
void PaintFrameBackdrop(HWND window, HDC dc);

}  // namespace tessary
