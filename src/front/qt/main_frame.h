#pragma once
// The main frame "MDIForm1": the parent window of the program's other
// windows, whose client area is black with the frame picture drawn once at
// its top-left corner.

#include <QWidget>

#include <functional>
#include <memory>

#include "front/qt/asset_picture.h"
#include "front/qt/window_memory.h"
#include "platform/startup_windows.h"

namespace tessary {

// The client area is black with the picture drawn unscaled at its top-left
// corner, once. The picture is large and of few colours, so it stays in the
// program's stored form and only the part being painted is turned into
// pixels. The window paints every pixel itself.
class MainFrameWindow final : public QWidget {
    Q_OBJECT
public:
    MainFrameWindow();

    // Makes the frame no larger than the screen's free area and moves it onto
    // that area where the window system lets the program place it.
    void FitOnScreen();
    // Once shown: its pixel memory is made ready for the first paint while
    // the program goes on.
    void PrepareMemory() { memory_.Prepare(*this); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Closing the frame closes the windows it opened, the map window among them.
    void closeEvent(QCloseEvent* event) override;

private:
    StoredPicture picture_;
    WindowMemory memory_;
    bool fittedWhenShown_ = false;
};

class QtMainFrame final : public MainFrame {
public:
    // onLoad runs when the frame loads: it loads and shows the map window.
    explicit QtMainFrame(std::function<void(QWidget& frame)> onLoad);
    ~QtMainFrame() override;

    void Show() override;
    void Unload() override;
    // Destroys the frame window and the windows it owns.
    void DestroyWindow() { window_.reset(); }
    MainFrameWindow* Window() const { return window_.get(); }

private:
    std::function<void(QWidget&)> onLoad_;
    // The frame window owns the windows it opened (the map window) as their
    // Qt parent, so they go with it.
    std::unique_ptr<MainFrameWindow> window_;
};

}  // namespace tessary
