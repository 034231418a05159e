#include "front/win32/mover_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <utility>

#include "front/win32/gdi_object.h"
#include "front/win32/opened_files.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_process_services.h"
#include "platform/screen.h"

namespace tessary {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
// How often the folders' change notifications are looked at.
constexpr UINT_PTR kFolderTimer = 1;
constexpr UINT kFolderTimerMs = 250;
// Posted to itself: add the drops waiting.
constexpr UINT kAddWaitingDrops = WM_APP + 1;
// Hand-overs from other starts kept at most while drops are being added.
constexpr std::size_t kMaxWaitingDrops = 64;

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0) continue;
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        paths.push_back(Narrow(path));
    }
    return paths;
}

}  // namespace

Win32MoverWindow::Win32MoverWindow(GameMapsPlace game, MoverWindowServices services)
    : screen_(services.screen),
      pictures_(ZoomForScreen(services.screen)),
      form_(std::move(game), services, *this, HostedList::Of(gameList_), HostedList::Of(storedList_),
            pictures_, [this] { Changed(); }) {}

Win32MoverWindow::~Win32MoverWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MoverWindow::LoadAndShow(HWND owner) {
    if (window_ == nullptr) {
        RegisterWindowClass(kMoverClassName);
        const PixelSize client = form_.ClientPixels();
        window_ = CreateObjectWindow(*this, kMoverClassName, Widen(kMoverCaption).c_str(), kStyle, 0, 0, 0,
                                     client.width, client.height);
        if (window_ == nullptr) return;
        // In front of the frame, and gone with it.
        if (owner != nullptr) SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
        CreateChildren();
        // Drops on the lists come here too: the list boxes take none themselves.
        DragAcceptFiles(window_, TRUE);
    }
    shown_ = false;
    form_.Load();
    // The folders the load step could list (none when the game is gone).
    watchingAll_ = folderWatch_.Watch({gameList_.Folder(), storedList_.Folder()});
    if (folderWatch_.Watching()) SetTimer(window_, kFolderTimer, kFolderTimerMs, nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    SetFocus(gameList_.Window());
    // Files handed over while the load step asked the player something
    // waited for the window.
    shown_ = true;
    if (!waitingDrops_.empty()) PostMessageW(window_, kAddWaitingDrops, 0, 0);
}

void Win32MoverWindow::CreateChildren() {
    gameList_.Create(window_, kGameListId, form_.Place(MapControl::GameList), kGameListLook);
    storedList_.Create(window_, kStoredListId, form_.Place(MapControl::StoredList), kStoredListLook);
    // Keyboard order: the game maps list first, then the stored maps list (and round again).
    gameList_.SetTabNeighbours(storedList_.Window(), storedList_.Window());
    storedList_.SetTabNeighbours(gameList_.Window(), gameList_.Window());
    SetWindowPos(gameList_.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(storedList_.Window(), gameList_.Window(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (Win32FileList* list : {&gameList_, &storedList_}) {
        std::wstring text = Widen(list->Look().toolTip);
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(list->Window());
        tool.lpszText = text.data();
        SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32MoverWindow::AddFilesLater(std::vector<std::string> paths, DropTarget target) {
    if (paths.empty()) return;
    waitingDrops_.push_back({std::move(paths), target});
    if (window_ != nullptr) PostMessageW(window_, kAddWaitingDrops, 0, 0);
}

DropTarget Win32MoverWindow::TargetAt(POINT at) const {
    const HWND under = ChildWindowFromPointEx(window_, at, CWP_SKIPINVISIBLE);
    if (under != nullptr && under == storedList_.Window()) return DropTarget::StoredMaps;
    return DropTarget::GameMaps;
}

void Win32MoverWindow::TakeDrop(HDROP drop) {
    std::vector<std::string> paths = DroppedPaths(drop);
    POINT at{};
    // False for a point outside the client area, which has no list.
    const bool inClient = DragQueryPoint(drop, &at) != 0;
    DragFinish(drop);
    AddFilesLater(std::move(paths), inClient ? TargetAt(at) : DropTarget::GameMaps);
}

bool Win32MoverWindow::TakeOpenedFiles(const COPYDATASTRUCT* data) {
    if (data == nullptr || data->dwData != kOpenedFilesTag || waitingDrops_.size() >= kMaxWaitingDrops) {
        return false;
    }
    auto paths = UnpackOpenedFiles(data->lpData, data->cbData);
    if (!paths) return false;
    // Added once the other start has its answer: it waits for none of it.
    AddFilesLater(std::move(*paths), DropTarget::GameMaps);
    return true;
}

void Win32MoverWindow::AddWaitingDrops() {
    // A drop that comes while the player answers about another (its box
    // runs a message loop) waits for that one to end; one that comes while
    // the window loads waits for it to be up.
    if (addingDrops_ || !shown_) return;
    struct Adding {
        bool& flag;
        explicit Adding(bool& f) : flag(f) { flag = true; }
        ~Adding() { flag = false; }
    } adding(addingDrops_);
    while (!waitingDrops_.empty() && window_ != nullptr) {
        WaitingDrop drop = std::move(waitingDrops_.front());
        waitingDrops_.pop_front();
        Behaviour().AddDroppedFiles(drop.paths, drop.target, dropReader_);
    }
}

void Win32MoverWindow::SetWindowRgn(RegionHandle region, bool redraw) {
    GdiObject<HRGN> copy = regions_.Copy(region);
    if (copy == nullptr) return;
    // The system owns the region it was given; on failure it stays ours.
    if (::SetWindowRgn(window_, copy.get(), redraw ? TRUE : FALSE) != 0) copy.release();
}

void Win32MoverWindow::SetTopLeft(double topTwips, double leftTwips) {
    const ScreenPixel at = PixelAtTwips(screen_, topTwips, leftTwips);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MoverWindow::BeginDrag() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32MoverWindow::HoldMouse() { SetCapture(window_); }

void Win32MoverWindow::LetGoOfMouse() {
    if (GetCapture() == window_) ReleaseCapture();
}

void Win32MoverWindow::PaintNow() {
    if (window_ != nullptr) UpdateWindow(window_);
}

void Win32MoverWindow::Changed() {
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void Win32MoverWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC target = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    // Drawn off the screen first, so switching pictures never flickers.
    const MemoryDc memory(CreateCompatibleDC(target));
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        Win32Canvas canvas(memory.get());
        form_.Paint(canvas);
        BitBlt(target, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
               paint.rcPaint.bottom - paint.rcPaint.top, memory.get(), paint.rcPaint.left, paint.rcPaint.top,
               SRCCOPY);
    }
    EndPaint(window_, &paint);
}

Win32FileList* Win32MoverWindow::ListOf(HWND window) {
    if (window != nullptr && window == gameList_.Window()) return &gameList_;
    if (window != nullptr && window == storedList_.Window()) return &storedList_;
    return nullptr;
}

void Win32MoverWindow::FocusList() {
    // The painted surface never holds the focus: it goes back to a list.
    SetFocus(lastFocus_ != nullptr ? lastFocus_ : gameList_.Window());
}

LRESULT Win32MoverWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        form_.Press(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        form_.Release(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) form_.MouseTakenAway();
        return 0;
    case WM_COMMAND:
        if (Win32FileList* list = ListOf(reinterpret_cast<HWND>(lParam))) {
            if (HIWORD(wParam) == LBN_SETFOCUS) lastFocus_ = list->Window();
            list->Notify(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORLISTBOX:
        if (Win32FileList* list = ListOf(reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(list->Colour(reinterpret_cast<HDC>(wParam)));
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
            FocusList();
            // Where a folder cannot be watched, the lists are re-read when
            // the player comes back to the window.
            if (!watchingAll_) Behaviour().FollowFolders();
        }
        return 0;
    case WM_TIMER:
        if (wParam == kFolderTimer) {
            if (folderWatch_.Changed()) Behaviour().FollowFolders();
            return 0;
        }
        break;
    case WM_VKEYTOITEM:
        // F5 in either list re-reads both; every other key is the list's own.
        if (LOWORD(wParam) == VK_F5) {
            Behaviour().FollowFolders();
            return -2;
        }
        return -1;
    case WM_DROPFILES: TakeDrop(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_COPYDATA: return TakeOpenedFiles(reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case kAddWaitingDrops: AddWaitingDrops(); return 0;
    case WM_SETFOCUS: FocusList(); return 0;
    case WM_SETCURSOR:
        if (ApplyPointer(lParam)) return TRUE;
        break;
    case WM_CLOSE:
        // Closed by the window manager (Alt+F4): the program ends as when the
        // frame is closed, which takes this window with it.
        if (const HWND owner = GetWindow(window, GW_OWNER)) {
            SendMessageW(owner, WM_CLOSE, 0, 0);
            return 0;
        }
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        // An ordinary unload: the window's unload step releases its shape.
        form_.Unload();
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        toolTips_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tessary
