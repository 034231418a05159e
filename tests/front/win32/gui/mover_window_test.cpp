// The map window on Windows, driven with window messages as the mouse and
// keyboard would send them: its looks, lists and files after each click.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_mover.h"
#include "fakes/fake_startup.h"
#include "fakes/mover_window_places.h"
#include "forms/mover_layout.h"
#include "front/win32/dib_picture.h"
#include "front/win32/main_frame.h"
#include "front/win32/opened_files.h"
#include "front/win32/mover_window.h"
#include "front/win32/splash_window.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_files.h"
#include "front/win32/win32_process_services.h"
#include "front/win32/win32_running_copy.h"
#include "platform/failure.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

// A 24-bit BMP of width x height pixels.
std::string SmallBmp(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const int size = 54 + stride * height;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    auto put = [&bytes](int at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[static_cast<std::size_t>(at + i)] = char((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<std::uint32_t>(size), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bytes;
}

class Win32MoverWindowTest : public ::testing::Test {
protected:
    Win32MoverWindowTest() {
        CreateDirectoryW(LongPath(maps).c_str(), nullptr);
        WinTempFolder::WriteBytes(maps + "\\Aspen.gmx", "aspen");
        WinTempFolder::WriteBytes(maps + "\\Aspen.bmp", SmallBmp(40, 30));
        WinTempFolder::WriteBytes(maps + "\\Birch.gmx", "birch");
        WinTempFolder::WriteBytes(maps + "\\Cedar.gmx", "cedar");
        window.LoadAndShow(nullptr);
    }

    static std::vector<std::string> Shown(HWND list) {
        std::vector<std::string> names;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            names.push_back(Narrow(text));
        }
        return names;
    }
    // A mouse click on an entry of a list box.
    static void ClickEntry(HWND list, int index) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
    // A press and release of a mouse button at a point of the window.
    void PressAt(int x, int y, UINT down = WM_LBUTTONDOWN) {
        SendMessageW(window.Window(), down, 0, MAKELPARAM(x, y));
        SendMessageW(window.Window(), down + 1, 0, MAKELPARAM(x, y));
    }
    void PressAt(fakes::ClientPoint at, UINT down = WM_LBUTTONDOWN) { PressAt(at.x, at.y, down); }
    bool Visible(MapControl control) const { return window.Layout().Visible(control); }
    std::string Looks() const {
        return fakes::ButtonLooks([this](MapControl c) { return Visible(c); });
    }

    WinTempFolder folder;
    const std::string maps = folder / "Maps";
    const std::string stored = maps + "\\Stored Maps";
    fakes::EventLog log;
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    Win32Files files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Win32MoverWindow window{GameMapsPlace{maps, [] {}},
                            MoverWindowServices{screen, pointer, messages, files, shell, application}};
};

TEST_F(Win32MoverWindowTest, LoadsAShapedPopupWithBothLists) {
    RECT client{};
    GetClientRect(window.Window(), &client);
    EXPECT_EQ(client.right, 627);
    EXPECT_EQ(client.bottom, 402);
    const LONG style = GetWindowLongW(window.Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    // The window's own copy of the shape.
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window.Window(), shape), ERROR);
    EXPECT_FALSE(PtInRegion(shape, 0, 39));
    EXPECT_TRUE(PtInRegion(shape, 40, 200));
    EXPECT_FALSE(PtInRegion(shape, 2, 370));
    DeleteObject(shape);

    EXPECT_EQ(Shown(window.GameList().Window()),
              (std::vector<std::string>{"Aspen.gmx", "Birch.gmx", "Cedar.gmx"}));
    EXPECT_TRUE(Shown(window.StoredList().Window()).empty());
    EXPECT_NE(GetFileAttributesW(LongPath(stored).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Looks(), "idle");
    EXPECT_FALSE(Visible(MapControl::NoPictureLabel));
    EXPECT_EQ(GetFocus(), window.GameList().Window());

    for (HWND list : {window.GameList().Window(), window.StoredList().Window()}) {
        const LONG listStyle = GetWindowLongW(list, GWL_STYLE);
        EXPECT_TRUE(listStyle & WS_BORDER);
        EXPECT_TRUE(listStyle & LBS_NOTIFY);
        EXPECT_TRUE(listStyle & WS_TABSTOP);
        EXPECT_FALSE(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)),
                  GetStockObject(DEFAULT_GUI_FONT));
        const HDC dc = GetDC(list);
        EXPECT_NE(SendMessageW(window.Window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(list)),
                  0);
        EXPECT_EQ(GetTextColor(dc), RGB(192, 192, 192));
        EXPECT_EQ(GetBkColor(dc), RGB(64, 64, 64));
        ReleaseDC(list, dc);
    }
    RECT place{};
    GetWindowRect(window.StoredList().Window(), &place);
    MapWindowPoints(nullptr, window.Window(), reinterpret_cast<POINT*>(&place), 2);
    const LayoutRect& expected = fakes::kStoredListPlace;
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right - place.left, expected.width);
    EXPECT_EQ(place.bottom - place.top, expected.height);
    EXPECT_EQ(SendMessageW(window.ToolTips(), TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(Win32MoverWindowTest, ClicksSetTheLooksThePreviewAndMoveTheFiles) {
    const HWND gameList = window.GameList().Window(), storedList = window.StoredList().Window();
    ClickEntry(gameList, 0);
    EXPECT_EQ(Looks(), "store");
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Aspen.gmx");
    ASSERT_TRUE(window.Layout().PreviewPictureSize().has_value());
    EXPECT_EQ(*window.Layout().PreviewPictureSize(), (PixelSize{40, 30}));
    EXPECT_FALSE(Visible(MapControl::NoPictureLabel));

    // Store with the right button on the green Store face.
    PressAt(fakes::kStoreFace, WM_RBUTTONDOWN);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.bmp"), SmallBmp(40, 30));
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "<missing>");
    EXPECT_EQ(Looks(), "idle");
    EXPECT_EQ(Shown(gameList), (std::vector<std::string>{"Birch.gmx", "Cedar.gmx"}));
    EXPECT_EQ(Shown(storedList), std::vector<std::string>{"Aspen.gmx"});

    // A stored map, then a game map, then the same game map clicked again
    // after the stored one: every click counts, also on the selected entry.
    ClickEntry(storedList, 0);
    EXPECT_EQ(Looks(), "install");
    ClickEntry(gameList, 0);
    EXPECT_EQ(Looks(), "store");
    ClickEntry(storedList, 0);
    EXPECT_EQ(Looks(), "install");
    ClickEntry(gameList, 0);
    EXPECT_EQ(Looks(), "store");
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Birch.gmx");
    // No picture: the label says so.
    EXPECT_TRUE(Visible(MapControl::NoPictureLabel));
    EXPECT_FALSE(window.Layout().PreviewPictureSize().has_value());

    // A keyboard move is a click too.
    SendMessageW(gameList, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Cedar.gmx");

    // Install it back with the middle button on the green Install face.
    ClickEntry(storedList, 0);
    PressAt(fakes::kInstallFace, WM_MBUTTONDOWN);
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.bmp"), SmallBmp(40, 30));
    EXPECT_EQ(WinTempFolder::Listing(stored), "");
    EXPECT_EQ(Looks(), "idle");
}

TEST_F(Win32MoverWindowTest, F5InEitherListReReadsBothKeepingTheChosenMap) {
    const HWND gameList = window.GameList().Window(), storedList = window.StoredList().Window();
    ClickEntry(gameList, 1);
    WinTempFolder::WriteBytes(maps + "\\Alder.gmx", "alder");
    WinTempFolder::WriteBytes(stored + "\\Lake.gmx", "lake");
    SendMessageW(storedList, WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(Shown(gameList), (std::vector<std::string>{"Alder.gmx", "Aspen.gmx", "Birch.gmx", "Cedar.gmx"}));
    EXPECT_EQ(Shown(storedList), std::vector<std::string>{"Lake.gmx"});
    EXPECT_EQ(SendMessageW(gameList, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Birch.gmx");
    EXPECT_EQ(Looks(), "store");
}

TEST_F(Win32MoverWindowTest, ARightButtonClickOnAnEntryChoosesItAsTheLeftButtonDoes) {
    const HWND gameList = window.GameList().Window();
    SetFocus(window.StoredList().Window());
    RECT item{};
    SendMessageW(gameList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
    SendMessageW(gameList, WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(gameList, WM_RBUTTONUP, 0, at);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Birch.gmx");
    EXPECT_EQ(Looks(), "store");
    EXPECT_EQ(GetFocus(), gameList);
}

TEST_F(Win32MoverWindowTest, TheStoredMapAndItsButtonAreForgottenOnlyWhenTheFocusMovesToTheOtherList) {
    const HWND gameList = window.GameList().Window(), storedList = window.StoredList().Window();
    WinTempFolder::WriteBytes(stored + "\\Old.gmx", "old");
    window.Behaviour().RefreshMapLists();
    ClickEntry(storedList, 0);
    EXPECT_EQ(GetFocus(), storedList);
    ASSERT_EQ(window.Behaviour().SelectedStoredMap, stored + "\\Old.gmx");

    // Presses on pictures, also skin, leave the focus where it is.
    PressAt(300, 100);
    PressAt(100, 320);
    EXPECT_EQ(GetFocus(), storedList);

    // Another window of the desktop.
    const HWND other = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    SetFocus(other);
    EXPECT_EQ(window.Behaviour().SelectedStoredMap, stored + "\\Old.gmx");
    DestroyWindow(other);

    SetFocus(storedList);
    SetFocus(gameList);
    EXPECT_EQ(window.Behaviour().SelectedStoredMap, "");
    EXPECT_EQ(Looks(), "idle");  // no install button with nothing behind it

    // Tab goes from the game maps list to the stored one and back; the game
    // maps list keeps its map.
    ClickEntry(gameList, 0);
    SendMessageW(gameList, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), storedList);
    SendMessageW(storedList, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), gameList);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Aspen.gmx");
}

// Return in a list moves its highlighted map as a click on it and a press
// of the store or install button would, even when the other list's click
// took the chosen map away; a screen reader names each list.
TEST_F(Win32MoverWindowTest, ReturnInAListMovesItsHighlightedMapAndTheListsHaveNames) {
    const HWND gameList = window.GameList().Window(), storedList = window.StoredList().Window();
    auto pressReturn = [](HWND list) {
        SendMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageW(list, WM_CHAR, L'\r', 1);
    };
    WinTempFolder::WriteBytes(stored + "\\Old.gmx", "old");
    window.Behaviour().RefreshMapLists();
    pressReturn(gameList);  // nothing highlighted: nothing moves
    EXPECT_EQ(Looks(), "idle");
    EXPECT_EQ(Shown(gameList).size(), 3u);

    ClickEntry(gameList, 0);
    ClickEntry(storedList, 0);
    SetFocus(gameList);
    pressReturn(gameList);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.bmp"), SmallBmp(40, 30));
    EXPECT_EQ(Shown(gameList), (std::vector<std::string>{"Birch.gmx", "Cedar.gmx"}));
    EXPECT_EQ(Shown(storedList), (std::vector<std::string>{"Aspen.gmx", "Old.gmx"}));
    EXPECT_EQ(Looks(), "idle");

    SetFocus(storedList);
    SendMessageW(storedList, WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(storedList, WM_KEYDOWN, VK_END, 0);
    ASSERT_EQ(window.Behaviour().SelectedStoredMap, stored + "\\Old.gmx");
    SendMessageW(storedList, WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));  // a held key repeating
    EXPECT_EQ(Shown(storedList).size(), 2u);
    pressReturn(storedList);
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Old.gmx"), "old");
    EXPECT_EQ(Shown(storedList), std::vector<std::string>{"Aspen.gmx"});
    EXPECT_EQ(Shown(gameList), (std::vector<std::string>{"Birch.gmx", "Cedar.gmx", "Old.gmx"}));
    EXPECT_EQ(GetFocus(), storedList);
    EXPECT_TRUE(messages.shown.empty());

    // A list box's name for a screen reader is its window text, which it
    // never draws.
    auto nameOf = [](HWND list) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(list)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(list, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    };
    EXPECT_EQ(nameOf(gameList), "Maps in the Game");
    EXPECT_EQ(nameOf(storedList), "Stored Maps");
}

TEST_F(Win32MoverWindowTest, AStoredMapOfTheSameNameIsKeptAsideNotLost) {
    WinTempFolder::WriteBytes(stored + "\\Aspen.gmx", "older aspen");
    window.Behaviour().RefreshMapLists();
    ClickEntry(window.GameList().Window(), 0);
    PressAt(fakes::kStoreFace);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Replaced Maps\\Aspen.gmx"), "older aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "<missing>");
    EXPECT_EQ(Shown(window.StoredList().Window()), std::vector<std::string>{"Aspen.gmx"});
}

// A WM_DROPFILES as the shell posts it: wide names, the point in the map
// window's client area. DragFinish frees it.
HGLOBAL DropOf(const std::vector<std::string>& paths, POINT at) {
    std::wstring names;
    for (const std::string& path : paths) names += Widen(path) + L'\0';
    names += L'\0';
    const SIZE_T size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = at;
    drop->fWide = TRUE;
    std::memcpy(drop + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

// Handles the window's messages until done() or ten seconds have passed.
bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 1000 && !done(); ++i) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    return done();
}

// A zip archive made by the zip tool before the test ran (gui_test.sh): the
// map Fjord.gmx ("fjord map") and its picture Fjord.bmp ("BM fjord") in a
// folder "Fjord 1.2".
std::string ZipFromZipTool() {
    const char* path = std::getenv("TESSARY_TEST_ZIP");
    if (path == nullptr) throw std::runtime_error("TESSARY_TEST_ZIP names no archive: run gui_test.sh");
    return path;
}

TEST_F(Win32MoverWindowTest, FilesAndArchivesDroppedOnTheStoredListGoToStoredMapsAndElsewhereToTheGame) {
    const std::string downloads = folder / "Downloads";
    CreateDirectoryW(LongPath(downloads).c_str(), nullptr);
    const std::string lake = downloads + "\\Lake.gmx", lakePicture = downloads + "\\Lake.bmp";
    WinTempFolder::WriteBytes(lake, "lake map");
    WinTempFolder::WriteBytes(lakePicture, SmallBmp(8, 8));
    const std::string zip = ZipFromZipTool();
    const std::string zipBytes = WinTempFolder::ReadBytes(zip);

    const LayoutRect& list = fakes::kStoredListPlace;
    const POINT overStored{list.left + list.width / 2, list.top + list.height - 10};
    SendMessageW(window.Window(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(DropOf({lake, lakePicture, zip}, overStored)), 0);
    ASSERT_TRUE(PumpUntil([&] { return WinTempFolder::ReadBytes(stored + "\\Fjord.bmp") != "<missing>"; }));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Lake.gmx"), "lake map");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Lake.bmp"), SmallBmp(8, 8));
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Fjord.gmx"), "fjord map");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Fjord.bmp"), "BM fjord");
    // What was dropped is left as it was.
    EXPECT_EQ(WinTempFolder::ReadBytes(lake), "lake map");
    EXPECT_EQ(WinTempFolder::ReadBytes(zip), zipBytes);
    EXPECT_TRUE(PumpUntil([&] {
        return Shown(window.StoredList().Window()) == std::vector<std::string>{"Fjord.gmx", "Lake.gmx"};
    }));

    // On the painted surface, off both lists: the game's maps folder.
    const std::string marsh = downloads + "\\Marsh.gmx";
    WinTempFolder::WriteBytes(marsh, "marsh map");
    const POINT offTheLists{fakes::kStoreFace.x, fakes::kStoreFace.y};
    SendMessageW(window.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({marsh}, offTheLists)), 0);
    ASSERT_TRUE(PumpUntil([&] { return WinTempFolder::ReadBytes(maps + "\\Marsh.gmx") != "<missing>"; }));
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Marsh.gmx"), "marsh map");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Marsh.gmx"), "<missing>");
}

TEST_F(Win32MoverWindowTest, ALaterStartHandsItsFilesOverAndOnlyAListOfPathsIsTaken) {
    const std::string fen = folder.Write("Fen.gmx", "fen map");
    // The later start's side, against this window: it answers before it adds.
    Win32RunningCopy later;
    ASSERT_TRUE(later.AskToShowItself({fen}));
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Fen.gmx"), "<missing>");
    ASSERT_TRUE(PumpUntil([&] { return WinTempFolder::ReadBytes(maps + "\\Fen.gmx") == "fen map"; }));

    // A stranger's message: no terminated list, or no UTF-8.
    for (const std::string& bytes : {std::string("C:\\x.gmx"), std::string("C:\\\xff.gmx\0", 10)}) {
        std::string copy = bytes;
        COPYDATASTRUCT data{kOpenedFilesTag, static_cast<DWORD>(copy.size()), copy.data()};
        EXPECT_EQ(SendMessageW(window.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), FALSE);
    }
}

TEST_F(Win32MoverWindowTest, ClosingTheWindowReleasesTheShape) {
    EXPECT_EQ(window.RegionsInUse().LiveRegionCount(), 1u);
    SendMessageW(window.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Window(), nullptr);
    EXPECT_EQ(window.RegionsInUse().LiveRegionCount(), 0u);
}

TEST_F(Win32MoverWindowTest, ALargePreviewIsCutToItsPlaceAndLeavesExitUncovered) {
    // The Exit face as drawn before any preview.
    auto exitFace = [this] {
        RedrawWindow(window.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC dc = GetDC(window.Window());
        std::vector<COLORREF> pixels;
        for (int y = 324; y < 359; y += 3) {
            for (int x = 499; x < 620; x += 4) pixels.push_back(GetPixel(dc, x, y));
        }
        ReleaseDC(window.Window(), dc);
        return pixels;
    };
    const std::vector<COLORREF> before = exitFace();
    WinTempFolder::WriteBytes(maps + "\\Aspen.bmp", SmallBmp(400, 200));  // black
    ClickEntry(window.GameList().Window(), 0);
    ASSERT_TRUE(window.Layout().PreviewPictureSize().has_value());
    EXPECT_EQ(exitFace(), before);
}

TEST_F(Win32MoverWindowTest, TheCustomMapsButtonShowsItsPressedFaceWhileThePageOpens) {
    const LayoutRect place = window.Layout().Pixels(MapControl::CustomMapsButton, window.Scale());
    auto face = [&] {
        const HDC dc = GetDC(window.Window());
        std::vector<COLORREF> pixels;
        for (int y = place.top; y < place.Bottom(); y += 3) {
            for (int x = place.left; x < place.Right(); x += 3) pixels.push_back(GetPixel(dc, x, y));
        }
        ReleaseDC(window.Window(), dc);
        return pixels;
    };
    RedrawWindow(window.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<COLORREF> normal = face();
    std::vector<COLORREF> whileOpen;
    shell.whileOpen = [&] { whileOpen = face(); };
    PressAt(place.left + place.width / 2, place.top + place.height / 2);
    ASSERT_FALSE(whileOpen.empty());
    EXPECT_NE(whileOpen, normal);
    EXPECT_TRUE(Visible(MapControl::CustomMapsButton));
}

// The main frame with the map window it loads, owned by it.
struct FrameWithMover {
    WinTempFolder folder;
    fakes::EventLog log;
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    Win32Files files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Win32MoverWindow mover{GameMapsPlace{folder.Path(), [] {}},
                           MoverWindowServices{screen, pointer, messages, files, shell, application}};
    Win32MainFrame frame{[this](HWND window, HWND) { mover.LoadAndShow(window); }};
};

// The map window on a screen of 144 dots per inch: 10 twips a pixel.
struct MoverAt144Dpi {
    static fakes::SizedScreen Screen144() {
        fakes::SizedScreen screen;
        screen.twipsX = screen.twipsY = 10;
        // The test display's 1280 x 1024 pixels, so the centred window is on it.
        screen.width = 12800;
        screen.height = 10240;
        return screen;
    }
    WinTempFolder folder;
    fakes::EventLog log;
    fakes::SizedScreen screen = Screen144();
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    Win32Files files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Win32MoverWindow mover{GameMapsPlace{folder.Path(), [] {}},
                           MoverWindowServices{screen, pointer, messages, files, shell, application}};
};

TEST(Win32MoverWindowDpiTest, At144DotsPerInchTheSkinGrowsWithTheWindowAndItsControls) {
    MoverAt144Dpi f;
    f.mover.LoadAndShow(nullptr);
    RECT client{};
    GetClientRect(f.mover.Window(), &client);
    ASSERT_EQ(client.right, 941);
    ASSERT_EQ(client.bottom, 603);

    // The skin's pixel (600, 200), grey beside the stored-maps list's frame,
    // lies half as far again from the corner: (900, 300).
    const DibPicture* skin = EmbeddedPicture(kMoverBackgroundPicture);
    ASSERT_NE(skin, nullptr);
    const HDC screenDc = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screenDc);
    const HBITMAP bitmap = CreateCompatibleBitmap(screenDc, skin->Width(), skin->Height());
    const HGDIOBJ old = SelectObject(memory, bitmap);
    skin->Draw(memory, 0, 0);
    const COLORREF expected = GetPixel(memory, 600, 200);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screenDc);

    RedrawWindow(f.mover.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const HDC dc = GetDC(f.mover.Window());
    const COLORREF shown = GetPixel(dc, 900, 300);
    ReleaseDC(f.mover.Window(), dc);
    EXPECT_NE(expected, RGB(0, 0, 0));
    EXPECT_NEAR(GetRValue(shown), GetRValue(expected), 8);
    EXPECT_NEAR(GetGValue(shown), GetGValue(expected), 8);
    EXPECT_NEAR(GetBValue(shown), GetBValue(expected), 8);
}

bool QuitPosted() {
    MSG message{};
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST(Win32FrameTest, TheMapWindowIsOwnedByTheFrameAndClosingItEndsTheProgram) {
    FrameWithMover f;
    f.frame.Show();
    ASSERT_NE(f.mover.Window(), nullptr);
    // In front of the frame, minimised and gone with it.
    EXPECT_EQ(GetWindow(f.mover.Window(), GW_OWNER), f.frame.Window());
    EXPECT_EQ(f.mover.RegionsInUse().LiveRegionCount(), 1u);
    EXPECT_FALSE(QuitPosted());
    // The window manager's close on the map window.
    SendMessageW(f.mover.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(f.mover.Window(), nullptr);
    EXPECT_EQ(f.frame.Window(), nullptr);
    EXPECT_EQ(f.mover.RegionsInUse().LiveRegionCount(), 0u);
    EXPECT_TRUE(QuitPosted());
}

TEST(Win32FrameTest, AFailingMapWindowLoadLeavesNoFrameOpen) {
    fakes::StartupFakes fakes;
    HWND mover = nullptr;
    Win32MainFrame frame([&mover](HWND window, HWND) {
        mover = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, window, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        throw RuntimeFailure(kDeviceIOError, "The shape cannot be made");
    });
    StartSequence start(StartupServices{fakes.screen, fakes.pointer, fakes.application, fakes.messages,
                                        fakes.drives, fakes.treeSearch, fakes.splash, frame, fakes.cache},
                        fakes.Choice());
    fakes.files.contents[fakes.cache.Path()] = "\"G:\\Games\\Home\\Maps\"\r\n";
    start.Run();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(frame.Window(), nullptr);
    EXPECT_FALSE(IsWindow(mover));
    EXPECT_TRUE(fakes.splash.visible);
    EXPECT_FALSE(QuitPosted());  // the splash stays up for the player to close
}

TEST(Win32SplashTest, PaintsItselfAndItsBarAtOnceWhenTheBarMoves) {
    fakes::FakeScreen screen;
    Win32SplashWindow splash(screen);
    splash.SetTopLeft(0, 0);
    splash.Show();
    // Just put on the screen by the window manager, or uncovered: it owes a paint.
    InvalidateRect(splash.Window(), nullptr, FALSE);
    splash.SetProgress(41);  // no messages handled in between: a drive scan blocks
    EXPECT_FALSE(GetUpdateRect(splash.ProgressBar1(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(splash.Window(), nullptr, FALSE));
}

RECT boxShown{};
bool boxSeen = false;

// Measures the message box captioned "Deep path" once it is up, and closes it.
void CALLBACK MeasureDeepPathBox(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Deep path");
    if (box == nullptr || boxSeen) return;
    boxSeen = true;
    GetWindowRect(box, &boxShown);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Win32MessageBoxTest, APathManyFoldersDeepFitsOnTheScreen) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &MeasureDeepPathBox);
    std::string deep = "C:";
    for (int i = 0; i < 20000; ++i) deep += "\\deep";
    Win32MessageBoxes messages;
    messages.ShowOk("57, Cannot list the folder \"" + deep + "\"", "Deep path");
    KillTimer(nullptr, timer);
    ASSERT_TRUE(boxSeen);
    EXPECT_LE(boxShown.bottom - boxShown.top, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_LE(boxShown.right - boxShown.left, GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
}  // namespace tessary
