#pragma once

namespace tessary {

// The splash window "Startup" with its progress bar "ProgressBar1".
class SplashWindow {
public:
    virtual ~SplashWindow() = default;
    // Creates the window (still hidden) when it does not exist yet.
    virtual void SetTopLeft(double topTwips, double leftTwips) = 0;
    virtual void SetProgress(float value) = 0;
    virtual float Progress() const = 0;
    // Show without waiting.
    virtual void Show() = 0;
    virtual void Unload() = 0;
};

// The main frame "MDIForm1". Showing it loads it; its load step loads and
// shows the map window, so that runs to its end inside Show().
class MainFrame {
public:
    virtual ~MainFrame() = default;
    virtual void Show() = 0;
    // Takes the frame and the windows it opened off the screen (after a
    // failed start-up), without ending the program.
    virtual void Unload() = 0;
};

}  // namespace tessary
