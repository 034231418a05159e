#pragma once
// The map window's label as both fronts keep it: its visibility lives in the
// layout state, and every change asks the window to repaint.

#include <cstddef>
#include <functional>

#include "forms/mover_layout_state.h"
#include "platform/controls.h"

namespace tessary {

class LayoutLabel final : public Label {
public:
    LayoutLabel(MoverLayoutState& state, MapControl control, std::function<void()> changed);
    void SetVisible(bool visible) override;
    bool Visible() const override;

private:
    MoverLayoutState& state_;
    MapControl control_;
    std::function<void()> changed_;
};

}  // namespace tessary
