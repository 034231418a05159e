#include "forms/layout_label.h"

#include <utility>

namespace tessary {

LayoutLabel::LayoutLabel(MoverLayoutState& state, MapControl control, std::function<void()> changed)
    : state_(state), control_(control), changed_(std::move(changed)) {}

void LayoutLabel::SetVisible(bool visible) {
    state_.SetVisible(control_, visible);
    changed_();
}

bool LayoutLabel::Visible() const { return state_.Visible(control_); }

}  // namespace tessary
