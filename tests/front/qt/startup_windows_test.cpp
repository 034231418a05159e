// The splash window and the main frame as real Qt windows (offscreen).
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include "fakes/fake_startup.h"
#include "platform/failure.h"
#include "front/qt/main_frame.h"
#include "front/qt/qt_process_services.h"
#include "front/qt/splash_window.h"
#include "startup/start_sequence.h"

namespace tessary {
namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(int& paints) : paints_(paints) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints_;
        return false;
    }

private:
    int& paints_;
};

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(SplashWindowTest, HasItsSizeBarAndPictureWithABlackStrip) {
    fakes::FakeScreen screen;
    QtSplashWindow splash(screen);
    splash.SetTopLeft(15360 / 2 - 2895, 19200 / 2 - 4725);
    splash.SetProgress(0);
    splash.Show();
    SplashWidget& widget = *splash.Widget();
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget.isVisible());

    EXPECT_EQ(widget.size(), QSize(630, 386));
    EXPECT_TRUE(widget.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(widget.pos(), QPoint(640 - 315, 512 - 193));
    QProgressBar* bar = widget.ProgressBar1();
    EXPECT_EQ(bar->geometry(), QRect(158, 311, 314, 10));
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_FALSE(bar->isTextVisible());

    const QImage picture(QStringLiteral(":/assets/splash.bmp"));
    ASSERT_EQ(picture.size(), QSize(628, 377));
    const QImage shot = Grab(widget);
    EXPECT_EQ(shot.pixel(20, 20), picture.convertToFormat(QImage::Format_RGB32).pixel(20, 20));
    EXPECT_EQ(qGray(shot.pixel(300, 150)) > 0, true);  // the game picture is not black
    for (int y = 0; y < 386; y += 17) {
        EXPECT_EQ(shot.pixel(628, y), qRgb(0, 0, 0));
        EXPECT_EQ(shot.pixel(629, y), qRgb(0, 0, 0));
    }
    for (int x = 0; x < 630; x += 13) EXPECT_EQ(shot.pixel(x, 377), qRgb(0, 0, 0));
    splash.Unload();
    EXPECT_EQ(splash.Widget(), nullptr);
}

TEST(SplashWindowTest, GoesOnScreenWhenEventsAreNextProcessedUnlessUnloadedFirst) {
    fakes::FakeScreen screen;
    {
        QtSplashWindow splash(screen);
        splash.Show();
        EXPECT_FALSE(splash.Widget()->isVisible());
        QCoreApplication::processEvents();
        EXPECT_TRUE(splash.Widget()->isVisible());
    }
    QtSplashWindow splash(screen);
    splash.Show();
    QPointer<SplashWidget> widget = splash.Widget();
    splash.Unload();
    QCoreApplication::processEvents();
    // Never mapped: a quick start-up flashes no empty window.
    EXPECT_TRUE(widget.isNull() || !widget->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull());
}

TEST(SplashWindowTest, KeepsTheSinglePrecisionValueItWasGiven) {
    fakes::FakeScreen screen;
    QtSplashWindow splash(screen);
    splash.SetProgress(5);
    splash.SetProgress(splash.Progress() + 2);
    EXPECT_FLOAT_EQ(splash.Progress(), 7.0f);
    EXPECT_EQ(splash.Widget()->ProgressBar1()->value(), 7);
}

TEST(MainFrameTest, LoadsTheMapWindowAfterShowingItselfWithItsCaption) {
    bool frameVisibleAtLoad = false;
    QtMainFrame frame([&](QWidget& window) { frameVisibleAtLoad = window.isVisible(); });
    frame.Show();
    EXPECT_TRUE(frameVisibleAtLoad);
    EXPECT_EQ(frame.Window()->windowTitle(), QStringLiteral("  Tessary - Fennock Marrowby Edition"));
    EXPECT_EQ(frame.Window()->size(), QSize(675, 563));
}

TEST(ProgramIconTest, SplashAndFrameCarryTheProgramPicture) {
    const QImage expected =
        QImage(QStringLiteral(":/assets/tessary_icon.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(expected.size(), QSize(64, 64));
    auto iconImage = [](const QWidget& window) {
        return window.windowIcon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    fakes::FakeScreen screen;
    QtSplashWindow splash(screen);
    splash.Show();
    EXPECT_EQ(iconImage(*splash.Widget()), expected);
    QtMainFrame frame([](QWidget&) {});
    frame.Show();
    EXPECT_EQ(iconImage(*frame.Window()), expected);
}

TEST(MainFrameTest, DrawsItsPictureOnceUnscaledOnBlack) {
    QtMainFrame frame([](QWidget&) {});
    frame.Show();
    QWidget* viewport = frame.Window();
    const QImage picture = QImage(QStringLiteral(":/assets/frame.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(1280, 960));
    // First at its starting size, where only the picture's top-left part shows...
    ASSERT_EQ(viewport->size(), QSize(675, 563));
    EXPECT_EQ(Grab(*viewport), picture.copy(0, 0, 675, 563));
    // ...then grown beyond the picture: the rest of it appears, and no more.
    frame.Window()->resize(1500, 1200);
    ASSERT_GE(viewport->width(), 1400);
    ASSERT_GE(viewport->height(), 1100);
    const QImage shot = Grab(*viewport);

    // Every pixel of the picture's top band lands where it is in the picture...
    int nonBlack = 0;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 1280; x += 7) {
            ASSERT_EQ(shot.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
            if (picture.pixel(x, y) != qRgb(0, 0, 0)) ++nonBlack;
        }
    }
    EXPECT_GT(nonBlack, 0);
    // ...and nothing of it is repeated to the right or below.
    for (int y = 0; y < 120; ++y) {
        for (int x = 1280; x < viewport->width(); x += 5) ASSERT_EQ(shot.pixel(x, y), qRgb(0, 0, 0));
    }
    for (int y = 960; y < viewport->height(); y += 3) {
        for (int x = 0; x < 1280; x += 11) ASSERT_EQ(shot.pixel(x, y), qRgb(0, 0, 0));
    }
}

TEST(SplashWindowTest, PaintsItsBarAtOnceWhenTheBarMoves) {
    fakes::FakeScreen screen;
    QtSplashWindow splash(screen);
    splash.Show();
    QCoreApplication::processEvents();
    QProgressBar* bar = splash.Widget()->ProgressBar1();
    int paints = 0;
    PaintCounter counter(paints);
    bar->installEventFilter(&counter);
    splash.SetProgress(41);  // no events processed in between: a drive scan blocks
    EXPECT_GE(paints, 1);
}

TEST(MainFrameTest, AFailingMapWindowLoadLeavesNoFrameOpen) {
    fakes::StartupFakes fakes;
    QPointer<QWidget> mover;
    QtMainFrame frame([&](QWidget& window) {
        mover = new QWidget(&window, Qt::Window);
        mover->show();
        throw RuntimeFailure(kDeviceIOError, "The shape cannot be made");
    });
    StartSequence start(StartupServices{fakes.screen, fakes.pointer, fakes.application, fakes.messages,
                                        fakes.drives, fakes.treeSearch, fakes.splash, frame, fakes.cache},
                        fakes.Choice());
    fakes.files.contents[fakes.cache.Path()] = "\"/games/Home/Maps\"\r\n";
    start.Run();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    ASSERT_NE(frame.Window(), nullptr);
    EXPECT_FALSE(frame.Window()->isVisible());
    ASSERT_FALSE(mover.isNull());
    EXPECT_FALSE(mover->isVisible());
    EXPECT_TRUE(fakes.splash.visible);
}

TEST(MessageBoxTest, APathManyFoldersDeepFitsOnTheScreen) {
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "/deep";
    QSize shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        shown = box->frameGeometry().size();
        box->close();
    });
    QtMessageBoxes messages;
    messages.ShowOk("57, Cannot list the folder \"" + deep + "\"", "Tessary --- Fennock Marrowby");
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    ASSERT_TRUE(shown.isValid());
    EXPECT_LE(shown.height(), screen.height());
    EXPECT_LE(shown.width(), screen.width());
}

}  // namespace
}  // namespace tessary
