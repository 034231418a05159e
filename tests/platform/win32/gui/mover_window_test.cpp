// The map window on Windows, driven with window messages as the mouse and
// keyboard would send them: its looks, lists and files after each click.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "fakes/fake_mover.h"
#include "platform/win32/mover_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win_temp_folder.h"

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
        program.GameMapsFolder = maps;
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
    bool Visible(const char* name) const { return window.Layout().Visible(name); }
    // The visible pictures of the install and store places, in look order.
    std::string Looks() const {
        std::string shown;
        for (int k : {2, 12, 17, 18, 3, 13}) {
            if (!Visible(("Image" + std::to_string(k)).c_str())) continue;
            if (!shown.empty()) shown += ' ';
            shown += std::to_string(k);
        }
        return shown;
    }

    WinTempFolder folder;
    const std::string maps = folder / "Maps";
    const std::string stored = maps + "\\Stored Maps";
    fakes::EventLog log;
    fakes::StartupFakes startup;
    Module1 program{startup.Services()};
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    Win32Files files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Win32MoverWindow window{program,
                            Win32MoverServices{screen, pointer, messages, files, shell, application}};
};

TEST_F(Win32MoverWindowTest, LoadsAShapedPopupWithTheListsAsDesigned) {
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

    EXPECT_EQ(Shown(window.File1().Window()),
              (std::vector<std::string>{"Aspen.gmx", "Birch.gmx", "Cedar.gmx"}));
    EXPECT_TRUE(Shown(window.File2().Window()).empty());
    EXPECT_NE(GetFileAttributesW(LongPath(stored).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Looks(), "2 3");
    EXPECT_FALSE(Visible("Label1"));
    EXPECT_EQ(GetFocus(), window.File1().Window());

    for (HWND list : {window.File1().Window(), window.File2().Window()}) {
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
    GetWindowRect(window.File2().Window(), &place);
    MapWindowPoints(nullptr, window.Window(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 410);
    EXPECT_EQ(place.top, 76);
    EXPECT_EQ(place.right - place.left, 175);
    EXPECT_EQ(place.bottom - place.top, 158);
    EXPECT_EQ(SendMessageW(window.ToolTips(), TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(Win32MoverWindowTest, ClicksSetTheLooksThePreviewAndMoveTheFiles) {
    const HWND file1 = window.File1().Window(), file2 = window.File2().Window();
    ClickEntry(file1, 0);
    EXPECT_EQ(Looks(), "17 13");
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Aspen.gmx");
    ASSERT_TRUE(window.Layout().PreviewPictureSize().has_value());
    EXPECT_EQ(*window.Layout().PreviewPictureSize(), (PixelSize{40, 30}));
    EXPECT_FALSE(Visible("Label1"));

    // Store with the right button on the green Store face.
    PressAt(288, 227, WM_RBUTTONDOWN);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.bmp"), SmallBmp(40, 30));
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "<missing>");
    EXPECT_EQ(Looks(), "2 3");
    EXPECT_EQ(Shown(file1), (std::vector<std::string>{"Birch.gmx", "Cedar.gmx"}));
    EXPECT_EQ(Shown(file2), std::vector<std::string>{"Aspen.gmx"});

    // A stored map, then a game map, then the same game map clicked again
    // after the stored one: every click counts, also on the selected entry.
    ClickEntry(file2, 0);
    EXPECT_EQ(Looks(), "12 18");
    ClickEntry(file1, 0);
    EXPECT_EQ(Looks(), "17 13");
    ClickEntry(file2, 0);
    EXPECT_EQ(Looks(), "12 18");
    ClickEntry(file1, 0);
    EXPECT_EQ(Looks(), "17 13");
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Birch.gmx");
    // No picture: the label says so.
    EXPECT_TRUE(Visible("Label1"));
    EXPECT_FALSE(window.Layout().PreviewPictureSize().has_value());

    // A keyboard move is a click too.
    SendMessageW(file1, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Cedar.gmx");

    // Install it back with the middle button on the green Install face.
    ClickEntry(file2, 0);
    PressAt(343, 188, WM_MBUTTONDOWN);
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.bmp"), SmallBmp(40, 30));
    EXPECT_EQ(WinTempFolder::Listing(stored), "");
    EXPECT_EQ(Looks(), "2 3");
}

TEST_F(Win32MoverWindowTest, TheStoredMapIsForgottenOnlyWhenTheFocusMovesToTheOtherList) {
    const HWND file1 = window.File1().Window(), file2 = window.File2().Window();
    WinTempFolder::WriteBytes(stored + "\\Old.gmx", "old");
    window.Behaviour().RefreshMapLists();
    ClickEntry(file2, 0);
    EXPECT_EQ(GetFocus(), file2);
    ASSERT_EQ(window.Behaviour().SelectedStoredMap, stored + "\\Old.gmx");

    // Presses on pictures, also skin, leave the focus where it is.
    PressAt(300, 100);
    PressAt(100, 320);
    EXPECT_EQ(GetFocus(), file2);

    // Another window of the desktop.
    const HWND other = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    SetFocus(other);
    EXPECT_EQ(window.Behaviour().SelectedStoredMap, stored + "\\Old.gmx");
    DestroyWindow(other);

    SetFocus(file2);
    SetFocus(file1);
    EXPECT_EQ(window.Behaviour().SelectedStoredMap, "");
    EXPECT_EQ(Looks(), "12 18");  // the looks stay

    // Tab goes from File1 to File2 and back; File1 keeps its map.
    ClickEntry(file1, 0);
    SendMessageW(file1, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), file2);
    SendMessageW(file2, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), file1);
    EXPECT_EQ(window.Behaviour().SelectedGameMap, maps + "\\Aspen.gmx");
}

TEST_F(Win32MoverWindowTest, AStoredMapOfTheSameNameIsKeptAsideNotLost) {
    WinTempFolder::WriteBytes(stored + "\\Aspen.gmx", "older aspen");
    window.Behaviour().RefreshMapLists();
    ClickEntry(window.File1().Window(), 0);
    PressAt(288, 227);
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Aspen.gmx"), "aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(stored + "\\Replaced Maps\\Aspen.gmx"), "older aspen");
    EXPECT_EQ(WinTempFolder::ReadBytes(maps + "\\Aspen.gmx"), "<missing>");
    EXPECT_EQ(Shown(window.File2().Window()), std::vector<std::string>{"Aspen.gmx"});
}

TEST_F(Win32MoverWindowTest, ClosingTheWindowReleasesTheShape) {
    EXPECT_EQ(window.RegionsInUse().LiveRegionCount(), 1u);
    SendMessageW(window.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.Window(), nullptr);
    EXPECT_EQ(window.RegionsInUse().LiveRegionCount(), 0u);
}

}  // namespace
}  // namespace tessary
