#pragma once
// The splash window on Windows: a popup without frame with a comctl32
// progress bar (its facts are in forms/startup_layout.h).

#include <windows.h>

#include "platform/startup_windows.h"
#include "front/win32/window_class.h"

namespace tessary {

class Screen;

class Win32SplashWindow : public SplashWindow, private WindowObject {
public:
    explicit Win32SplashWindow(const Screen& screen);
    ~Win32SplashWindow() override;

    void SetTopLeft(double topTwips, double leftTwips) override;
    void SetProgress(float value) override;
    float Progress() const override;
    void Show() override;
    void Unload() override;

    HWND Window() const { return window_; }
    HWND ProgressBar1() const { return progressBar_; }

private:
    HWND Load();
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HWND window);
    // Paints what needs painting now, without waiting for the message loop.
    void PaintNow();

    const Screen& screen_;
    HWND window_ = nullptr;
    HWND progressBar_ = nullptr;
    float value_ = 0;
    bool unloading_ = false;
};

}  // namespace tessary
