#include "platform/win32/mover_window.h"

#include <commctrl.h>

#include <cmath>
#include <string>
#include <utility>

#include "mapwindow/mover_events.h"
#include "platform/screen.h"
#include "platform/win32/dib_picture.h"
#include "platform/win32/gdi_object.h"
#include "platform/win32/mover_pictures.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_process_services.h"

namespace tessary {

namespace {

constexpr const wchar_t* kClassName = L"TessaryMover";
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;

COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

}  // namespace

Win32MoverWindow::Win32MoverWindow(Module1& program, MoverWindowServices services)
    : services_(services), scale_{services.screen.TwipsPerPixelX(), services.screen.TwipsPerPixelY()} {
    const auto& table = MoverControlTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ControlRow& control = table[row];
        if (control.kind == ControlKind::PictureArea) {
            const DibPicture* skin = control.picture.empty() ? nullptr : MoverPicture(control.picture);
            images_.at(ImageNumber(control.name)) =
                std::make_unique<Win32PictureArea>(state_, row, skin, [this] { Changed(); });
        } else if (control.kind == ControlKind::Label) {
            label1_ = std::make_unique<LayoutLabel>(state_, row, [this] { Changed(); });
        }
    }
    std::array<PictureArea*, kImageSlotCount> images{};
    for (std::size_t k = 1; k < images.size(); ++k) images[k] = images_[k].get();
    mover_ = std::make_unique<Mover>(program, MoverControls{file1_, file2_, images, *label1_},
                                     services.For(*this));
    file1_.onClick = [this] { mover_->File1_Click(); };
    file2_.onClick = [this] { mover_->File2_Click(); };
    file2_.onLostFocus = [this] { mover_->File2_LostFocus(); };
}

Win32MoverWindow::~Win32MoverWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MoverWindow::LoadAndShow(HWND owner) {
    if (window_ == nullptr) {
        RegisterWindowClass(kClassName);
        const PixelSize client = MoverClientPixels(scale_);
        window_ = CreateObjectWindow(*this, kClassName, Widen(kMoverCaption).c_str(), kStyle, 0, 0, 0,
                                     client.width, client.height);
        if (window_ == nullptr) return;
        // In front of the frame, and gone with it.
        if (owner != nullptr) SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
        CreateChildren();
    }
    loadSteps_.Load(*mover_);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    SetFocus(file1_.Window());
}

void Win32MoverWindow::CreateChildren() {
    file1_.Create(window_, kFile1Id, state_.RowPixels(*MoverControlIndex("File1"), scale_), kFile1Look);
    file2_.Create(window_, kFile2Id, state_.RowPixels(*MoverControlIndex("File2"), scale_), kFile2Look);
    // Keyboard order: File1 first, then File2 (and round again).
    file1_.SetTabNeighbours(file2_.Window(), file2_.Window());
    file2_.SetTabNeighbours(file1_.Window(), file1_.Window());
    SetWindowPos(file1_.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(file2_.Window(), file1_.Window(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (Win32FileList* list : {&file1_, &file2_}) {
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

void Win32MoverWindow::SetWindowRgn(RegionHandle region, bool redraw) {
    GdiObject<HRGN> copy = regions_.Copy(region);
    if (copy == nullptr) return;
    // The system owns the region it was given; on failure it stays ours.
    if (::SetWindowRgn(window_, copy.get(), redraw ? TRUE : FALSE) != 0) copy.release();
}

void Win32MoverWindow::SetTopLeft(double topTwips, double leftTwips) {
    const ScreenPixel at = PixelAtTwips(services_.screen, topTwips, leftTwips);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MoverWindow::BeginDrag() {
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
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
    const HDC dc = memory.get();
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    {
        const SelectedObject selected(dc, bitmap.get());
        for (const PaintStep& step : PaintOrder(state_)) {
            switch (step.layer) {
            case PaintStep::Layer::BackColour: {
                const GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(kMoverBackColour)));
                FillRect(dc, &client, brush.get());
                break;
            }
            case PaintStep::Layer::BackgroundPicture:
                if (const DibPicture* background = MoverPicture(kMoverBackgroundPicture))
                    background->Draw(dc, 0, 0);
                break;
            case PaintStep::Layer::Control: PaintControl(dc, step.row); break;
            case PaintStep::Layer::ChildList: break;  // the list boxes paint themselves
            }
        }
        BitBlt(target, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
               paint.rcPaint.bottom - paint.rcPaint.top, dc, paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
    }
    EndPaint(window_, &paint);
}

void Win32MoverWindow::PaintControl(HDC dc, std::size_t row) {
    const ControlRow& control = MoverControlTable()[row];
    const LayoutRect place = state_.RowPixels(row, scale_);
    if (control.kind == ControlKind::Label) {
        // The caption starts at the label's left edge and is not cut off.
        const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetTextColor(dc, ToColorRef(kLabel1TextColour));
        SetBkMode(dc, TRANSPARENT);
        RECT text{place.left, place.top, place.Right(), place.Bottom()};
        const std::wstring caption = Widen(kLabel1Caption);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
        return;
    }
    if (control.kind != ControlKind::PictureArea) return;
    images_.at(ImageNumber(control.name))->Draw(dc, place);
    if (control.name == "Image1") {
        const GdiObject<HBRUSH> border(CreateSolidBrush(ToColorRef(kImage1BorderColour)));
        RECT frame{place.left, place.top, place.Right(), place.Bottom()};
        FrameRect(dc, &frame, border.get());
    }
}

void Win32MoverWindow::Press(int x, int y) {
    const MoverHit hit = clicks_.Press(state_, x, y, scale_);
    // The release comes back here even when it happens off the window.
    if (hit.target == MoverHit::Target::Control) SetCapture(window_);
    MoverClicks::MouseDown(*mover_, hit);
}

void Win32MoverWindow::Release(int x, int y) {
    // The press is taken before the mouse is let go, which reports the
    // capture as lost.
    MoverClicks press = std::exchange(clicks_, MoverClicks{});
    if (GetCapture() == window_) ReleaseCapture();
    press.Release(*mover_, state_, x, y, scale_);
}

Win32FileList* Win32MoverWindow::ListOf(HWND window) {
    if (window != nullptr && window == file1_.Window()) return &file1_;
    if (window != nullptr && window == file2_.Window()) return &file2_;
    return nullptr;
}

void Win32MoverWindow::FocusList() {
    // The painted surface never holds the focus: it goes back to a list.
    SetFocus(lastFocus_ != nullptr ? lastFocus_ : file1_.Window());
}

LRESULT Win32MoverWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Press(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Release(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window) clicks_.Forget();
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
        if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) FocusList();
        return 0;
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
        loadSteps_.Unload(*mover_);
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
