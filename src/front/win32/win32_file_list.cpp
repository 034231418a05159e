#include "front/win32/win32_file_list.h"

#include "front/win32/folder_listing.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_canvas.h"

namespace tessary {

Win32FileList::Win32FileList() : ListedFiles(ListMatchingWindowsFiles, "\\/") {}

Win32FileList::~Win32FileList() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    }
}

HWND Win32FileList::Create(HWND parent, int id, const LayoutRect& place, const FileListLook& look) {
    look_ = look;
    backBrush_.reset(CreateSolidBrush(ToColorRef(look.backColour)));
    // The model keeps the order; the box shows the entries as they come.
    // The parent hears of the keys pressed in the box (WM_VKEYTOITEM).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        LBS_WANTKEYBOARDINPUT | (look.flat ? WS_BORDER : 0);
    window_ =
        CreateWindowExW(look.flat ? 0 : WS_EX_CLIENTEDGE, L"LISTBOX", nullptr, style, place.left, place.top,
                        place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) return nullptr;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // A list box never draws its window text; accessibility tools read it
    // as the list's name.
    SetWindowTextW(window_, Widen(look.accessibleName).c_str());
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32FileList::Procedure)));
    ShowEntries();
    return window_;
}

HBRUSH Win32FileList::Colour(HDC dc) const {
    SetTextColor(dc, ToColorRef(look_.textColour));
    SetBkColor(dc, ToColorRef(look_.backColour));
    return backBrush_.get();
}

void Win32FileList::SetTabNeighbours(HWND next, HWND previous) {
    tabNext_ = next;
    tabPrevious_ = previous;
}

void Win32FileList::SetFolder(const std::string& folder) {
    ListedFiles::SetFolder(folder);
    ShowEntries();
}

void Win32FileList::SetPattern(const std::string& pattern) {
    ListedFiles::SetPattern(pattern);
    ShowEntries();
}

void Win32FileList::Refresh() {
    ListedFiles::Refresh();
    ShowEntries();
}

void Win32FileList::ShowEntries() {
    if (window_ == nullptr) return;
    const auto& entries = Entries();
    // Re-reading an unchanged folder leaves the shown entries alone.
    if (shown_ != entries) {
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(window_, LB_RESETCONTENT, 0, 0);
        SendMessageW(window_, LB_INITSTORAGE, entries.size(), 0);
        for (const auto& name : entries) {
            SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
        }
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
        shown_ = entries;
    }
    const auto selected = SelectedIndex();
    SendMessageW(window_, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1),
                 0);
}

void Win32FileList::TakeSelectionFromBox() {
    const LRESULT row = SendMessageW(window_, LB_GETCURSEL, 0, 0);
    Select(row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt);
}

void Win32FileList::FollowBox() {
    const auto before = SelectedIndex();
    TakeSelectionFromBox();
    const auto now = SelectedIndex();
    if (now && now != before && onClick) onClick();
}

void Win32FileList::Notify(WORD code) {
    if (code == LBN_SELCHANGE) {
        // The chosen map always names the highlighted entry, so every move
        // of the highlight counts as a click on its new entry.
        FollowBox();
    } else if (code == LBN_KILLFOCUS) {
        // Only a move of the focus to another control of this window counts;
        // switching to another window or program does not.
        const HWND root = GetAncestor(window_, GA_ROOT);
        DWORD process = 0;
        if (focusTo_ != nullptr) GetWindowThreadProcessId(focusTo_, &process);
        const bool ours = focusTo_ != nullptr && focusTo_ != root && process == GetCurrentProcessId() &&
                          GetAncestor(focusTo_, GA_ROOT) == root;
        focusTo_ = nullptr;
        if (ours && onLostFocus) onLostFocus();
    }
}

void Win32FileList::ChooseEntryAt(LPARAM point) {
    // The list box itself answers the left button only; the other buttons
    // choose the entry under the mouse all the same, as on every front.
    SetFocus(window_);
    const LRESULT hit = SendMessageW(window_, LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit) != 0) return;  // below the last entry
    SendMessageW(window_, LB_SETCURSEL, LOWORD(hit), 0);
    FollowBox();
}

LRESULT CALLBACK Win32FileList::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* list = reinterpret_cast<Win32FileList*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (list == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return list->HandleMessage(message, wParam, lParam);
}

LRESULT Win32FileList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {  // the second press of a double click is a click as well
        mouseDown_ = true;
        selectedAtPress_ = SelectedIndex();
        return CallWindowProcW(original_, window_, message, wParam, lParam);
    }
    case WM_LBUTTONUP: {
        const LRESULT result = CallWindowProcW(original_, window_, message, wParam, lParam);
        if (!mouseDown_) return result;
        mouseDown_ = false;
        // A highlight moved by the press is reported, wherever the button
        // came up; a click on the entry already selected is a click as well.
        FollowBox();
        const LRESULT hit = SendMessageW(window_, LB_ITEMFROMPOINT, 0, lParam);
        const auto selected = SelectedIndex();
        if (HIWORD(hit) == 0 && selected && *selected == LOWORD(hit) && selected == selectedAtPress_ &&
            onClick) {
            onClick();
        }
        return result;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: ChooseEntryAt(lParam); break;
    case WM_KILLFOCUS: focusTo_ = reinterpret_cast<HWND>(wParam); break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            const HWND to = GetKeyState(VK_SHIFT) < 0 ? tabPrevious_ : tabNext_;
            if (to != nullptr) SetFocus(to);
            return 0;
        }
        if (wParam == VK_RETURN) {  // Return, and Enter on the keypad
            // Once for each press: a held key (bit 30, the key was already
            // down) does not go on moving maps.
            const bool repeat = (lParam & (LPARAM{1} << 30)) != 0;
            if (!repeat && onActivate) onActivate();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\t' || wParam == L'\r') return 0;
        break;
    default: break;
    }
    return CallWindowProcW(original_, window_, message, wParam, lParam);
}

}  // namespace tessary
