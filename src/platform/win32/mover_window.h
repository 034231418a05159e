#pragma once
// The map window "Mover" on Windows: a frameless popup cut to its shape by
// SetWindowRgn, painted from the layout model, hosting the two list boxes.
// The behaviour is Mover's; this class only shows it and hands the events over.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "forms/layout_label.h"
#include "forms/mover_layout_state.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_events.h"
#include "mapwindow/mover_window.h"
#include "platform/win32/win32_file_list.h"
#include "platform/win32/win32_picture_area.h"
#include "platform/win32/win32_region_ops.h"
#include "platform/win32/window_class.h"

namespace tessary {

inline constexpr int kFile1Id = 101;
inline constexpr int kFile2Id = 102;

class Win32MoverWindow final : public MoverWindow, private WindowObject {
public:
    Win32MoverWindow(Module1& program, MoverWindowServices services);
    ~Win32MoverWindow() override;
    Win32MoverWindow(const Win32MoverWindow&) = delete;
    Win32MoverWindow& operator=(const Win32MoverWindow&) = delete;

    // Creates the window, hidden and owned by owner (null for none), runs its
    // load step to the end, then shows it with the focus in File1.
    void LoadAndShow(HWND owner);

    HWND Window() const { return window_; }
    Mover& Behaviour() { return *mover_; }
    Win32FileList& File1() { return file1_; }
    Win32FileList& File2() { return file2_; }
    Win32PictureArea& Image(std::size_t k) { return *images_.at(k); }
    const MoverLayoutState& Layout() const { return state_; }
    LayoutScale Scale() const { return scale_; }
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

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateChildren();
    void Paint();
    void PaintControl(HDC dc, std::size_t row);
    void Press(int x, int y);
    void Release(int x, int y);
    void Changed();
    Win32FileList* ListOf(HWND window);
    void FocusList();

    MoverWindowServices services_;
    LayoutScale scale_;
    MoverLayoutState state_;
    Win32RegionOps regions_;
    Win32FileList file1_;
    Win32FileList file2_;
    std::array<std::unique_ptr<Win32PictureArea>, kImageSlotCount> images_;
    std::unique_ptr<LayoutLabel> label1_;
    std::unique_ptr<Mover> mover_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;
    MoverLoadSteps loadSteps_;
    MoverClicks clicks_;
};

}  // namespace tessary
