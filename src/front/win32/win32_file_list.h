#pragma once
// A file list as a LISTBOX child window. The state (folder, pattern,
// entries, selection) is the ListedFiles model; the list box shows it in the
// model's order, each UTF-8 name shown as UTF-16.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/mover_layout.h"
#include "lists/listed_files.h"
#include "front/win32/gdi_object.h"

namespace tessary {

class Win32FileList final : public ListedFiles, public FileListEvents {
public:
    Win32FileList();
    ~Win32FileList() override;
    Win32FileList(const Win32FileList&) = delete;
    Win32FileList& operator=(const Win32FileList&) = delete;

    // Creates the list box at the pixel rectangle: flat border, default GUI
    // font, a tab stop. Colours come from the parent's WM_CTLCOLORLISTBOX
    // (see Colour and Brush).
    HWND Create(HWND parent, int id, const LayoutRect& place, const FileListLook& look);
    HWND Window() const { return window_; }
    const FileListLook& Look() const { return look_; }
    // The list box's colours for WM_CTLCOLORLISTBOX: sets them on the DC and
    // returns the back brush.
    HBRUSH Colour(HDC dc) const;
    // Where Tab and Shift+Tab move the focus from this list.
    void SetTabNeighbours(HWND next, HWND previous);

    void SetFolder(const std::string& folder) override;
    void SetPattern(const std::string& pattern) override;
    void Refresh() override;

    // A notification of this list box (WM_COMMAND from it to its parent).
    void Notify(WORD code);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowEntries();
    void TakeSelectionFromBox();
    // Takes the box's selection; raises onClick when it moved to an entry.
    void FollowBox();
    // A press of the right or middle button at a point of the box.
    void ChooseEntryAt(LPARAM point);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
    GdiObject<HBRUSH> backBrush_;
    FileListLook look_{};
    std::vector<std::string> shown_;
    HWND tabNext_ = nullptr;
    HWND tabPrevious_ = nullptr;
    bool mouseDown_ = false;
    std::optional<std::size_t> selectedAtPress_;
    HWND focusTo_ = nullptr;
};

}  // namespace tessary
