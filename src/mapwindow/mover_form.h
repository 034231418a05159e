#pragma once
// The map window's form, the same on every front: its controls built from
// the control table, the behaviour Mover wired to them, the load and unload
// steps, the mouse on the painted surface and the paint order. A front
// creates the real window and its two list controls, and draws through a
// canvas.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

#include "forms/layout_label.h"
#include "forms/layout_picture_area.h"
#include "forms/mover_layout_state.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_events.h"
#include "platform/canvas.h"
#include "platform/map_window.h"

namespace tessary {

// A list control of the window: its contents and its events.
struct HostedList {
    FileList& list;
    FileListEvents& events;

    template <typename Control>
    static HostedList Of(Control& control) {
        return HostedList{control, control};
    }
};

class MoverForm {
public:
    // changed() asks the window to repaint. The window and the pictures
    // must outlive the form. The lists report to the form's behaviour, so
    // they must be gone, or their window destroyed, before the form goes.
    MoverForm(GameMapsPlace game, const MoverWindowServices& services, MoverWindow& window,
              HostedList gameList, HostedList storedList, MoverPictures& pictures,
              std::function<void()> changed);
    MoverForm(const MoverForm&) = delete;
    MoverForm& operator=(const MoverForm&) = delete;

    Mover& Behaviour() { return *mover_; }
    const MoverLayoutState& Layout() const { return state_; }
    LayoutScale Scale() const { return scale_; }
    PixelSize ClientPixels() const { return MoverClientPixels(scale_); }
    // A control's place in pixels.
    LayoutRect Place(MapControl control) const { return state_.Pixels(control, scale_); }
    LayoutPictureArea& Picture(MapControl control) { return *pictures_.at(Row(control)); }

    // The window's load and unload steps, each once per load however often
    // the window system asks.
    void Load() { loadSteps_.Load(*mover_); }
    void Unload() { loadSteps_.Unload(*mover_); }

    // The mouse on the painted surface, in client pixels: a press goes to
    // the control under it at once; a release on the control that was
    // pressed is its click. MouseTakenAway ends a press without a click.
    void Press(int x, int y);
    void Release(int x, int y);
    void MouseTakenAway() { clicks_.Forget(); }

    // Paints the client area, lists excepted (they paint themselves).
    void Paint(MoverCanvas& canvas) const;

private:
    void PaintControl(MoverCanvas& canvas, MapControl control) const;

    MoverWindow& window_;
    LayoutScale scale_;
    MoverLayoutState state_;
    const CanvasPicture* background_;
    // Every picture area at its control's row.
    std::array<std::unique_ptr<LayoutPictureArea>, kMoverControlCount> pictures_;
    std::unique_ptr<LayoutLabel> noPictureLabel_;
    std::unique_ptr<Mover> mover_;
    MoverLoadSteps loadSteps_;
    MoverClicks clicks_;
};

}  // namespace tessary
