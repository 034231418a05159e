#include "forms/layout_label.h"

#include <utility>

namespace tessary {

LayoutLabel::LayoutLabel(MoverLayoutState& state, std::size_t row, std::function<void()> changed)
    : state_(state), row_(row), changed_(std::move(changed)) {}

void LayoutLabel::SetVisible(bool visible) {
    state_.SetVisible(row_, visible);
    changed_();
}

bool LayoutLabel::Visible() const { return state_.Visible(row_); }

}  // namespace tessary
