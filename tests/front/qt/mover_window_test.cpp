// The map window as a real Qt window (offscreen) over real folders.
#include <QAccessible>
#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QWindow>

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "fakes/fake_mover.h"
#include "fakes/fake_startup.h"
#include "fakes/mover_window_places.h"
#include "front/posix/posix_drop_reader.h"
#include "front/posix/posix_files.h"
#include "front/qt/asset_picture.h"
#include "front/qt/main_frame.h"
#include "front/qt/mover_window.h"
#include "front/qt/qt_process_services.h"
#include "shape/software_region.h"
#include "shape/window_shape.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

// A 24-bit BMP of the given size, all one colour.
std::string SmallBmp(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    const int size = 54 + stride * height;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    auto put32 = [&](int at, int value) {
        for (int i = 0; i < 4; ++i)
            bytes[static_cast<std::size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xff);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    bytes[26] = 1;
    bytes[28] = 24;
    for (int i = 54; i < size; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(0x80);
    return bytes;
}

class MoverWindowTest : public ::testing::Test {
protected:
    MoverWindowTest() {
        game = temp.Folder("Game/Home/Maps");
        temp.Write("Game/Home/Maps/Aspen.gmx", "aspen map");
        temp.Write("Game/Home/Maps/Aspen.bmp", SmallBmp(200, 120));
        temp.Write("Game/Home/Maps/Birch.GMX", "birch map");
        temp.Write("Game/Home/Maps/notes.txt", "not a map");
        window = std::make_unique<QtMoverWindow>(
            GameMapsPlace{game, [] {}},
            MoverWindowServices{screen, pointer, messages, files, shell, application});
        window->LoadAndShow();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Presses and releases a mouse button on the painted surface.
    void ClickSurface(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.get(), button, Qt::NoModifier, at);
    }
    void ClickSurface(fakes::ClientPoint at, Qt::MouseButton button = Qt::LeftButton) {
        ClickSurface(QPoint(at.x, at.y), button);
    }
    void ClickEntry(QtFileList& list, int row) {
        const QRect item = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    }

    testing::TempFolder temp;
    std::string game;
    fakes::EventLog log;
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    PosixFiles files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    std::unique_ptr<QtMoverWindow> window;
};

TEST_F(MoverWindowTest, PaintsItsBackgroundPictureWhollyAndPartly) {
    const QImage background = AssetPicture(QStringLiteral("mover_background.bmp")).toImage();
    // The part of the surface (without the lists) painted as for an update
    // of that part, each pixel where it is in the window.
    auto render = [this](const QRect& part) {
        QImage shot(window->size(), QImage::Format_RGB32);
        shot.fill(Qt::magenta);
        const QRect drawn = (QRegion(part) & window->mask()).boundingRect();
        window->render(&shot, drawn.topLeft(), QRegion(part), QWidget::DrawWindowBackground);
        return shot;
    };
    const QImage whole = render(window->rect());
    const QRect part(101, 157, 230, 213);
    const QImage partly = render(part);
    // The pictures and texts over the background cover about half of what
    // the window's shape leaves; the rest is the picture itself.
    int shown = 0, bare = 0;
    for (int y = 0; y < whole.height(); y += 3) {
        for (int x = 0; x < whole.width(); x += 3) {
            if (!window->mask().contains(QPoint(x, y))) continue;
            ++shown;
            if (background.valid(x, y) && whole.pixel(x, y) == background.pixel(x, y)) ++bare;
            const QRgb expected = part.contains(x, y) ? whole.pixel(x, y) : QColor(Qt::magenta).rgb();
            ASSERT_EQ(partly.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_GT(bare, shown * 2 / 5);
}

// A drag from a file manager onto the window as the window system hands it
// over: entering, moving to the point and dropping there. Says whether the
// window took it.
bool DragAndDrop(QWidget& window, QPoint at, const QByteArray& uriList,
                 Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), uriList);
    QWindow* handle = window.windowHandle();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(handle, &leave);
        return false;
    }
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &drop);
    // Only a copy: the dragging program never deletes what it dragged.
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    return move.isAccepted() && drop.isAccepted();
}

// The "file:" address of a path, its bytes percent-coded as file managers do.
QByteArray FileUri(const std::string& path) {
    return "file://" + QByteArray::fromStdString(path).toPercentEncoding("/") + "\r\n";
}

TEST_F(MoverWindowTest, PlacesItsControlsAndListsTheMaps) {
    EXPECT_EQ(window->size(), QSize(627, 402));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->GameList().geometry(), ToQRect(fakes::kGameListPlace));
    EXPECT_EQ(window->StoredList().geometry(), ToQRect(fakes::kStoredListPlace));
    EXPECT_EQ(window->GameList().toolTip(),
              QStringLiteral("Select a map you would like to store for later use."));
    EXPECT_EQ(window->StoredList().toolTip(),
              QStringLiteral("Select a map you would like to install into the game."));
    EXPECT_EQ(window->GameList().palette().color(QPalette::Base), QColor(64, 64, 64));
    EXPECT_EQ(window->GameList().palette().color(QPalette::Text), QColor(192, 192, 192));

    ASSERT_EQ(window->GameList().count(), 2);
    EXPECT_EQ(window->GameList().item(0)->text(), QStringLiteral("Aspen.gmx"));
    EXPECT_EQ(window->GameList().item(1)->text(), QStringLiteral("Birch.GMX"));
    EXPECT_EQ(window->StoredList().count(), 0);
    EXPECT_TRUE(fs::is_directory(game + "/Stored Maps"));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_EQ(fakes::ButtonLooks([this](MapControl c) { return window->Layout().Visible(c); }), "idle");
    EXPECT_FALSE(window->Layout().Visible(MapControl::NoPictureLabel));
}

TEST_F(MoverWindowTest, IsCutToTheSoftwareShape) {
    SoftwareRegionOps ops;
    RegionHandle shape = kNoRegion;
    BuildWindowShape(ops, {15, 15}, shape);
    const SoftwareRegion& expected = ops.Region(shape);
    const QRegion mask = window->mask();
    for (int y = 0; y < 402; ++y) {
        for (int x = 0; x < 627; ++x) {
            ASSERT_EQ(mask.contains(QPoint(x, y)), expected.Contains(x, y)) << x << "," << y;
        }
    }
}

TEST_F(MoverWindowTest, PaintsTheIdleFacesAndSwitchesToTheStoreLook) {
    const QImage exitFace =
        QImage(QStringLiteral(":/assets/image4_exit.bmp")).convertToFormat(QImage::Format_RGB32);
    QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 35; y += 3) {
        for (int x = 0; x < 121; x += 5)
            ASSERT_EQ(shot.pixel(fakes::kQuitPlace.left + x, fakes::kQuitPlace.top + y),
                      exitFace.pixel(x, y));
    }

    ClickEntry(window->GameList(), 0);
    EXPECT_EQ(window->Behaviour().SelectedGameMap, game + "/Aspen.gmx");
    EXPECT_TRUE(window->Picture(MapControl::StoreButton).Visible());
    EXPECT_FALSE(window->Picture(MapControl::StoreIdle).Visible());
    const QImage storeFace =
        QImage(QStringLiteral(":/assets/image13_store_ready.bmp")).convertToFormat(QImage::Format_RGB32);
    shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(fakes::kStoreFace.x, fakes::kStoreFace.y), storeFace.pixel(60, 17));
}

TEST_F(MoverWindowTest, ShowsThePreviewAtItsOwnSize) {
    ClickEntry(window->GameList(), 0);
    EXPECT_EQ(window->Layout().PreviewPictureSize(), (PixelSize{200, 120}));
    EXPECT_FALSE(window->Layout().Visible(MapControl::NoPictureLabel));
    ClickEntry(window->GameList(), 1);  // no picture
    EXPECT_FALSE(window->Layout().PreviewPictureSize().has_value());
    EXPECT_TRUE(window->Layout().Visible(MapControl::NoPictureLabel));
}

TEST_F(MoverWindowTest, RefusesBrokenPreviewPicturesCalmly) {
    const std::string good = SmallBmp(200, 120);
    std::string enormous = good;
    enormous[18] = enormous[22] = '\x60';  // 60000 x 60000
    enormous[19] = enormous[23] = '\xea';
    for (const std::string& bytes : {good.substr(0, good.size() - 1), std::string("not a picture at all"),
                                     std::string("\x89PNG\r\n\x1a\n"), enormous}) {
        temp.Write("Game/Home/Maps/Birch.bmp", bytes);
        ClickEntry(window->GameList(), 0);  // a good picture first
        ASSERT_TRUE(window->Layout().PreviewPictureSize().has_value());
        ClickEntry(window->GameList(), 1);
        EXPECT_FALSE(window->Layout().PreviewPictureSize().has_value());
        EXPECT_EQ(window->Picture(MapControl::Preview).Picture(), nullptr);
        EXPECT_TRUE(window->Layout().Visible(MapControl::NoPictureLabel));
    }
}

TEST_F(MoverWindowTest, StoresAndInstallsWithAnyMouseButtonKeepingTheListFocus) {
    ClickEntry(window->GameList(), 0);
    ClickSurface(fakes::kStoreFace, Qt::RightButton);
    EXPECT_TRUE(fs::exists(game + "/Stored Maps/Aspen.gmx"));
    EXPECT_TRUE(fs::exists(game + "/Stored Maps/Aspen.bmp"));
    EXPECT_FALSE(fs::exists(game + "/Aspen.gmx"));
    ASSERT_EQ(window->StoredList().count(), 1);
    EXPECT_EQ(window->GameList().count(), 1);
    EXPECT_TRUE(window->Picture(MapControl::StoreIdle).Visible());  // idle again

    window->StoredList().setFocus(Qt::MouseFocusReason);
    ClickEntry(window->StoredList(), 0);
    EXPECT_TRUE(window->Picture(MapControl::InstallButton).Visible());
    ClickSurface(fakes::kInstallFace, Qt::MiddleButton);
    EXPECT_TRUE(window->StoredList().hasFocus());  // the press on the face did not take the focus
    EXPECT_TRUE(fs::exists(game + "/Aspen.gmx"));
    EXPECT_FALSE(fs::exists(game + "/Stored Maps/Aspen.gmx"));
    EXPECT_EQ(window->GameList().count(), 2);
}

TEST_F(MoverWindowTest, TheCustomMapsButtonShowsItsPressedFaceWhileThePageOpens) {
    const LayoutRect place = window->Layout().Pixels(MapControl::CustomMapsButton, window->Scale());
    // What is on the screen (the window's backing store), not a fresh paint.
    auto face = [&] {
        return window->screen()
            ->grabWindow(window->winId(), place.left, place.top, place.width, place.height)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    window->repaint();
    const QImage normal = face();
    QImage whileOpen;
    shell.whileOpen = [&] { whileOpen = face(); };
    ClickSurface(QPoint(place.left + place.width / 2, place.top + place.height / 2));
    ASSERT_FALSE(whileOpen.isNull());
    EXPECT_NE(whileOpen, normal);
    EXPECT_TRUE(window->Picture(MapControl::CustomMapsButton).Visible());
}

// The chosen map is the highlighted one however the highlight moved, so a
// transfer never stores one map's bytes under another map's name.
TEST_F(MoverWindowTest, APressSlidToAnotherEntryChoosesThatEntry) {
    QtFileList& list = window->GameList();
    ClickEntry(list, 0);
    const QPoint birch = list.visualItemRect(list.item(1)).center();
    const QPoint aspen = list.visualItemRect(list.item(0)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, aspen);
    QMouseEvent slide(QEvent::MouseMove, QPointF(birch), list.viewport()->mapToGlobal(QPointF(birch)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &slide);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, birch);
    ASSERT_EQ(list.currentRow(), 1);
    EXPECT_EQ(window->Behaviour().SelectedGameMap, game + "/Birch.GMX");
    ClickSurface(fakes::kStoreFace);
    EXPECT_EQ(testing::ReadAll(game + "/Stored Maps/Birch.GMX"), "birch map");
    EXPECT_EQ(testing::ReadAll(game + "/Aspen.gmx"), "aspen map");

    // A right-button press on the other entry moves the highlight as well.
    ASSERT_EQ(list.count(), 1);
    temp.Write("Game/Home/Maps/Cedar.gmx", "cedar map");
    window->Behaviour().RefreshMapLists();
    ClickEntry(list, 0);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier,
                      list.visualItemRect(list.item(1)).center());
    ASSERT_EQ(list.currentRow(), 1);
    EXPECT_EQ(window->Behaviour().SelectedGameMap, game + "/Cedar.gmx");
}

TEST_F(MoverWindowTest, F5ReReadsBothListsKeepingTheChosenMap) {
    ClickEntry(window->GameList(), 0);
    temp.Write("Game/Home/Maps/Cedar.gmx", "cedar map");
    temp.Write("Game/Home/Maps/Stored Maps/Lake.gmx", "lake map");
    QTest::keyClick(&window->GameList(), Qt::Key_F5);
    ASSERT_EQ(window->GameList().count(), 3);
    EXPECT_EQ(window->StoredList().count(), 1);
    EXPECT_EQ(window->GameList().currentRow(), 0);
    EXPECT_EQ(window->Behaviour().SelectedGameMap, game + "/Aspen.gmx");
    EXPECT_TRUE(window->Picture(MapControl::StoreButton).Visible());
}

// A picture that is a pipe is no picture, and never holds up the window.
TEST_F(MoverWindowTest, APreviewPictureThatIsAPipeIsNoPicture) {
    ASSERT_EQ(::mkfifo((game + "/Birch.bmp").c_str(), 0644), 0);
    ClickEntry(window->GameList(), 0);
    ClickEntry(window->GameList(), 1);
    EXPECT_TRUE(window->Layout().Visible(MapControl::NoPictureLabel));
    EXPECT_EQ(window->Picture(MapControl::Preview).Picture(), nullptr);
}

TEST_F(MoverWindowTest, LeavingTheStoredListForTheOtherListForgetsTheStoredMapAndItsButton) {
    ClickEntry(window->GameList(), 0);
    ClickSurface(fakes::kStoreFace);
    ASSERT_EQ(window->StoredList().count(), 1);
    window->StoredList().setFocus(Qt::MouseFocusReason);
    ClickEntry(window->StoredList(), 0);
    EXPECT_FALSE(window->Behaviour().SelectedStoredMap.empty());
    ASSERT_TRUE(window->StoredList().hasFocus());
    QTest::keyClick(window.get(), Qt::Key_Tab);
    ASSERT_TRUE(window->GameList().hasFocus());
    EXPECT_TRUE(window->Behaviour().SelectedStoredMap.empty());
    // The install button does not stay up with nothing behind it.
    EXPECT_FALSE(window->Picture(MapControl::InstallButton).Visible());
    EXPECT_TRUE(window->Picture(MapControl::InstallIdle).Visible());
    ClickSurface(fakes::kInstallFace);
    EXPECT_TRUE(fs::exists(game + "/Stored Maps/Aspen.gmx"));
    EXPECT_TRUE(window->Picture(MapControl::InstallIdle).Visible());
}

// Return (or Enter) in a list moves its highlighted map as a click on it and
// a press of the store or install button would, even when the other list's
// click took the chosen map away; a screen reader names each list.
TEST_F(MoverWindowTest, ReturnInAListMovesItsHighlightedMapAndTheListsHaveNames) {
    QtFileList& gameList = window->GameList();
    QtFileList& storedList = window->StoredList();
    temp.Write("Game/Home/Maps/Stored Maps/Old.gmx", "old map");
    window->Behaviour().RefreshMapLists();
    QTest::keyClick(&gameList, Qt::Key_Return);  // nothing highlighted: nothing moves
    EXPECT_EQ(gameList.count(), 2);
    EXPECT_EQ(fakes::ButtonLooks([this](MapControl c) { return window->Layout().Visible(c); }), "idle");

    ClickEntry(gameList, 0);
    storedList.setFocus(Qt::MouseFocusReason);
    ClickEntry(storedList, 0);
    gameList.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&gameList, Qt::Key_Return);
    EXPECT_EQ(testing::ReadAll(game + "/Stored Maps/Aspen.gmx"), "aspen map");
    EXPECT_TRUE(fs::exists(game + "/Stored Maps/Aspen.bmp"));
    ASSERT_EQ(gameList.count(), 1);
    EXPECT_EQ(gameList.item(0)->text(), QStringLiteral("Birch.GMX"));
    EXPECT_EQ(storedList.count(), 2);
    EXPECT_TRUE(window->Picture(MapControl::StoreIdle).Visible());

    storedList.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&storedList, Qt::Key_Home);
    QTest::keyClick(&storedList, Qt::Key_End);
    ASSERT_EQ(window->Behaviour().SelectedStoredMap, game + "/Stored Maps/Old.gmx");
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&storedList, &held);  // a held key repeating
    EXPECT_EQ(storedList.count(), 2);
    QTest::keyClick(&storedList, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(testing::ReadAll(game + "/Old.gmx"), "old map");
    ASSERT_EQ(storedList.count(), 1);
    EXPECT_EQ(storedList.item(0)->text(), QStringLiteral("Aspen.gmx"));
    EXPECT_EQ(gameList.count(), 2);
    EXPECT_TRUE(storedList.hasFocus());
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_EQ(QAccessible::queryAccessibleInterface(&gameList)->text(QAccessible::Name),
              QStringLiteral("Maps in the Game"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&storedList)->text(QAccessible::Name),
              QStringLiteral("Stored Maps"));
}

TEST_F(MoverWindowTest, SwitchingToAnotherWindowKeepsTheStoredMap) {
    ClickEntry(window->GameList(), 0);
    ClickSurface(fakes::kStoreFace);
    ASSERT_EQ(window->StoredList().count(), 1);
    window->StoredList().setFocus(Qt::MouseFocusReason);
    ClickEntry(window->StoredList(), 0);
    ASSERT_TRUE(window->StoredList().hasFocus());
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->Behaviour().SelectedStoredMap.empty());
    EXPECT_TRUE(window->Picture(MapControl::InstallButton).Visible());
}

TEST_F(MoverWindowTest, DestroyedWithTheFocusInTheStoredList) {
    ClickEntry(window->GameList(), 0);
    ClickSurface(fakes::kStoreFace);
    window->StoredList().setFocus(Qt::MouseFocusReason);
    ClickEntry(window->StoredList(), 0);
    ASSERT_TRUE(window->StoredList().hasFocus());
    // A list that loses the focus on its way out calls ForgetStoredMap: the
    // behaviour must still be there when the lists go.
    QtMoverWindow* raw = window.get();
    bool forgotten = false;
    QObject::connect(&window->StoredList(), &QObject::destroyed, [raw, &forgotten] {
        raw->Behaviour().ForgetStoredMap();
        forgotten = raw->Behaviour().SelectedStoredMap.empty();
    });
    window.reset();
    EXPECT_TRUE(forgotten);
}

// Dropped files reach the window over either list; the player is asked
// once the drop has returned to the dragging program.
TEST_F(MoverWindowTest, DroppedArchivesGoWhereTheyAreDroppedOnceThePlayerAgrees) {
    PosixDropReader reader;
    window->TakeDrops(reader);
    const std::string downloads = temp.Folder("Down\xffloads");
    temp.Write("Down\xffloads/Lake.gmx", "lake map");
    temp.Write("Down\xffloads/Lake.bmp", SmallBmp(20, 10));
    temp.Write("Down\xffloads/Pass.gmx", "pass map");
    ASSERT_EQ(std::system(("cd '" + downloads + "' && zip -q 'Lake \xfe.zip' Lake.gmx Lake.bmp").c_str()), 0);
    const QByteArray lakeZip = FileUri(downloads + "/Lake \xfe.zip");
    const QPoint onStoredList = window->StoredList().geometry().center();

    // Not files of this machine, or only to be moved: refused.
    EXPECT_FALSE(DragAndDrop(*window, onStoredList, "https://example.org/Lake.zip\r\n"));
    EXPECT_FALSE(DragAndDrop(*window, onStoredList, "file://elsewhere" + lakeZip.mid(7)));
    EXPECT_FALSE(DragAndDrop(*window, onStoredList, lakeZip, Qt::MoveAction));

    ASSERT_TRUE(DragAndDrop(*window, onStoredList, lakeZip));
    EXPECT_TRUE(messages.asked.empty());  // not yet: the drop returns first
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(game + "/Stored Maps/Lake.bmp"); }, 2000));
    EXPECT_EQ(testing::ReadAll(game + "/Stored Maps/Lake.gmx"), "lake map");
    EXPECT_EQ(window->StoredList().count(), 1);

    ASSERT_TRUE(DragAndDrop(*window, QPoint(20, 200), FileUri(downloads + "/Pass.gmx")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(game + "/Pass.gmx"); }, 2000));
    EXPECT_EQ(testing::ReadAll(game + "/Pass.gmx"), "pass map");
    EXPECT_EQ(testing::ReadAll(downloads + "/Pass.gmx"), "pass map");
}

TEST_F(MoverWindowTest, ALargePreviewIsCutToItsPlaceAndLeavesExitUncovered) {
    temp.Write("Game/Home/Maps/Aspen.bmp", SmallBmp(400, 200));
    ClickEntry(window->GameList(), 0);
    const QImage exitFace =
        QImage(QStringLiteral(":/assets/image4_exit.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 35; y += 3) {
        for (int x = 0; x < 121; x += 5)
            ASSERT_EQ(shot.pixel(fakes::kQuitPlace.left + x, fakes::kQuitPlace.top + y), exitFace.pixel(x, y))
                << x << "," << y;
    }
    EXPECT_EQ(shot.pixel(300, 300), qRgb(0x80, 0x80, 0x80));  // the picture, inside its place
}

struct MoverInFrame {
    MoverInFrame() {
        frame.show();
        window.LoadAndShow();
    }
    testing::TempFolder temp;
    fakes::EventLog log;
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    PosixFiles files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    MainFrameWindow frame;
    QtMoverWindow window{GameMapsPlace{temp.Folder("Game/Home/Maps"), [] {}},
                         MoverWindowServices{screen, pointer, messages, files, shell, application}, &frame};
};

TEST(MoverWindowInFrameTest, StaysInFrontOfTheFrameAndClosingEitherClosesBothOnce) {
    MoverInFrame f;
    ASSERT_NE(f.window.windowHandle(), nullptr);
    // The window system keeps a tool window in front of the one it belongs to.
    EXPECT_EQ(f.window.windowHandle()->transientParent(), f.frame.windowHandle());
    EXPECT_EQ(f.window.windowHandle()->type(), Qt::Tool);
    ASSERT_NE(f.window.Behaviour().ShapeRegion, kNoRegion);

    // The window manager's close on the map window closes the frame too.
    f.window.close();
    EXPECT_FALSE(f.frame.isVisible());
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.window.Behaviour().ShapeRegion, kNoRegion);

    MoverInFrame g;
    g.frame.close();
    EXPECT_FALSE(g.window.isVisible());
    EXPECT_EQ(g.window.Behaviour().ShapeRegion, kNoRegion);
}

// Where top-level windows cannot be placed or cut (Wayland), the map window
// lives inside the frame's client area.
TEST(MoverWindowInsideFrameTest, IsCentredInTheFrameShowsItAroundItsOutlineAndIsDraggedWithinIt) {
    testing::TempFolder temp;
    const GameMapsPlace game{temp.Folder("Game/Home/Maps"), [] {}};
    fakes::EventLog log;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    PosixFiles files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    MainFrameWindow frame;
    frame.resize(675, 563);
    QtInsideOfWindow inside;
    inside.SetWindow(&frame);
    QtMoverWindow window{game, MoverWindowServices{inside, pointer, messages, files, shell, application},
                         &frame, QtMoverWindow::Host::InsideParent};
    frame.show();
    window.LoadAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    EXPECT_FALSE(window.isWindow());
    EXPECT_EQ(window.geometry(), QRect(24, 61, 627, 402));
    // Cut away at (0, 39): the frame's picture shows there, its line down
    // column 8 when the window's left edge lies on it.
    const QPoint edgeOnLine(window.mapToParent(QPoint(20, 200)));
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 200));
    QTest::mouseMove(&window, QPoint(4, 200));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(4, 200));
    EXPECT_EQ(window.pos(), QPoint(8, 61)) << "dragged by its surface from " << edgeOnLine.x();
    const QImage shot = frame.grab().toImage();
    const QImage backdrop = AssetPicture(QStringLiteral("frame.bmp")).toImage();
    EXPECT_EQ(shot.pixel(8, 61 + 39), backdrop.pixel(8, 61 + 39));
    EXPECT_NE(backdrop.pixel(8, 61 + 39), qRgb(0, 0, 0));
    EXPECT_NE(shot.pixel(8, 61 + 200), backdrop.pixel(8, 61 + 200));

    // Dragged far past the frame's edge, it stops there; a smaller frame
    // takes it along.
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(20, 200));
    QTest::mouseMove(&window, QPoint(-400, 400));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(-400, 400));
    EXPECT_EQ(window.pos(), QPoint(0, 161));
    frame.resize(640, 480);
    EXPECT_EQ(window.pos(), QPoint(0, 78));

    // Closing the frame closes the map window: its unload step runs.
    ASSERT_NE(window.Behaviour().ShapeRegion, kNoRegion);
    frame.close();
    EXPECT_EQ(window.Behaviour().ShapeRegion, kNoRegion);
}

}  // namespace
}  // namespace tessary
