#pragma once
// The map window "Mover" on Windows: a frameless popup cut to its shape by
// SetWindowRgn, hosting the two list boxes and painting the form. The form
// and its behaviour are the same on every front; this class only shows them
// and hands the events over.

#include <windows.h>
#include <shellapi.h>

#include <deque>
#include <string>
#include <vector>

#include "front/win32/folder_watch.h"
#include "front/win32/win32_canvas.h"
#include "front/win32/win32_drop_reader.h"
#include "front/win32/win32_file_list.h"
#include "front/win32/win32_region_ops.h"
#include "front/win32/window_class.h"
#include "mapwindow/mover_form.h"

namespace tessary {

// The map window's class: a later start finds the running copy's window by it.
inline constexpr const wchar_t* kMoverClassName = L"TessaryMover";
inline constexpr int kGameListId = 101;
inline constexpr int kStoredListId = 102;

class Win32MoverWindow final : public MoverWindow, private WindowObject {
public:
    Win32MoverWindow(GameMapsPlace game, MoverWindowServices services);
    ~Win32MoverWindow() override;
    Win32MoverWindow(const Win32MoverWindow&) = delete;
    Win32MoverWindow& operator=(const Win32MoverWindow&) = delete;

    // Creates the window, hidden and owned by owner (null for none), runs its
    // load step to the end, then shows it with the focus in the game maps list.
    // It takes files dropped on it from then on.
    void LoadAndShow(HWND owner);

    // Adds the files as if dropped on the window (on the target's list), from
    // the message loop once what runs now has ended; drops that come while a
    // drop is being added wait for it, in their turn.
    void AddFilesLater(std::vector<std::string> paths, DropTarget target);

    HWND Window() const { return window_; }
    Mover& Behaviour() { return form_.Behaviour(); }
    Win32FileList& GameList() { return gameList_; }
    Win32FileList& StoredList() { return storedList_; }
    LayoutPictureArea& Picture(MapControl control) { return form_.Picture(control); }
    const MoverLayoutState& Layout() const { return form_.Layout(); }
    LayoutScale Scale() const { return form_.Scale(); }
    HWND ToolTips() const { return toolTips_; }
    const Win32RegionOps& RegionsInUse() const { return regions_; }

    // MoverWindow
    // The window gets its own copy of the region, so the handle stays the
    // caller's to release (the unload step does).
    void SetWindowRgn(RegionHandle region, bool redraw) override;
    RegionOps& Regions() override { return regions_; }
    void SetTopLeft(double topTwips, double leftTwips) override;
    // ReleaseCapture, then the non-client left-button press on the caption.
    void BeginDrag() override;
    // SetCapture and ReleaseCapture.
    void HoldMouse() override;
    void LetGoOfMouse() override;
    // UpdateWindow.
    void PaintNow() override;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateChildren();
    void Paint();
    void Changed();
    Win32FileList* ListOf(HWND window);
    void FocusList();
    // Where files dropped at a point of the client area go: the list under
    // it, the game maps folder anywhere else.
    DropTarget TargetAt(POINT at) const;
    void TakeDrop(HDROP drop);
    // Files a later start of the program hands over (WM_COPYDATA); false
    // for what is no such list.
    bool TakeOpenedFiles(const COPYDATASTRUCT* data);
    void AddWaitingDrops();

    Screen& screen_;
    Win32RegionOps regions_;
    Win32MoverPictures pictures_;
    // The list boxes are destroyed with the window, before the form goes.
    Win32FileList gameList_;
    Win32FileList storedList_;
    MoverForm form_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;
    // Both lists follow their folders; F5 re-reads them as well.
    Win32FolderWatch folderWatch_;
    bool watchingAll_ = true;
    struct WaitingDrop {
        std::vector<std::string> paths;
        DropTarget target;
    };
    std::deque<WaitingDrop> waitingDrops_;
    bool addingDrops_ = false;
    bool shown_ = false;
    Win32DropReader dropReader_;
};

}  // namespace tessary
