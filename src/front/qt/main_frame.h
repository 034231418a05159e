#pragma once
// The main frame "MDIForm1": the parent window of the program's other
// windows, whose client area is black with the frame picture drawn once at
// its top-left corner.

#include <QMainWindow>
#include <QWidget>

#include <functional>
#include <memory>

#include "front/qt/asset_picture.h"
#include "platform/startup_windows.h"

namespace tessary {

// The client area: the picture is neither tiled nor scaled. It is large and
// of few colours, so it stays in the program's stored form and only the
// part being painted is turned into pixels. It paints every pixel itself.
class FrameBackdrop final : public QWidget {
    Q_OBJECT
public:
    explicit FrameBackdrop(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    StoredPicture picture_;
};

class MainFrameWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainFrameWindow();
    FrameBackdrop* Backdrop() const { return backdrop_; }

    // Makes the frame no larger than the screen's free area and moves it onto
    // that area where the window system lets the program place it.
    void FitOnScreen();

protected:
    void showEvent(QShowEvent* event) override;
    // Closing the frame closes the windows it opened, the map window among them.
    void closeEvent(QCloseEvent* event) override;

private:
    FrameBackdrop* backdrop_;
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
