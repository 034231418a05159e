#pragma once
// The splash window on Qt (its facts are in forms/startup_layout.h). Closing
// it (or Escape) ends the program, so that a start-up that failed can be left.

#include <QWidget>

#include <memory>
#include <optional>
#include <utility>

#include "platform/startup_windows.h"

class QProgressBar;

namespace tessary {

class Screen;

class SplashWidget final : public QWidget {
    Q_OBJECT
public:
    explicit SplashWidget(QWidget* parent = nullptr);
    QProgressBar* ProgressBar1() const { return progressBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* progressBar_;
    QPixmap picture_;
};

class QtSplashWindow final : public SplashWindow {
public:
    explicit QtSplashWindow(const Screen& screen);
    ~QtSplashWindow() override;

    void SetTopLeft(double topTwips, double leftTwips) override;
    void SetProgress(float value) override;
    float Progress() const override;
    void Show() override;
    void Unload() override;

    // The window, made now if the splash is loaded; null when it is not.
    SplashWidget* Widget();

private:
    // The window is made when it is to go on the screen (or is asked for):
    // a start-up that finds the game at once never makes it. Until then the
    // splash keeps its place and its bar's value.
    SplashWidget& Made();
    // Paints the window and its bar at once, without waiting for the event loop.
    void PaintNow(SplashWidget& widget);

    const Screen& screen_;
    bool loaded_ = false;
    std::optional<std::pair<double, double>> topLeftTwips_;
    int barValue_ = 0;
    bool showPending_ = false;
    // Owns the pending show, which goes with the splash.
    QObject pendingShows_;
    // Owned here while loaded; an unloaded one is the event loop's to delete.
    std::unique_ptr<SplashWidget> widget_;
    float value_ = 0.0f;
    bool waitedForScreen_ = false;
};

}  // namespace tessary
