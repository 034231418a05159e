#include "forms/mover_layout_state.h"

#include <algorithm>

namespace tessary {

MoverLayoutState::MoverLayoutState() {
    for (const ControlRow& row : MoverControlTable()) SetVisible(row.control, row.startVisible);
}

LayoutRect MoverLayoutState::Pixels(MapControl control, LayoutScale scale) const {
    LayoutRect rect = ToPixels(MoverControl(control).twips, scale);
    if (control == MapControl::Preview && previewPicture_) {
        // A smaller picture shrinks the area; a larger one is cut to the
        // area's own place, so it never covers the controls around it.
        rect.width = std::min(rect.width, previewPicture_->width);
        rect.height = std::min(rect.height, previewPicture_->height);
    }
    return rect;
}

std::vector<PaintStep> PaintOrder(const MoverLayoutState& state) {
    using Layer = PaintStep::Layer;
    const auto& rows = MoverControlTable();
    std::vector<PaintStep> steps{{Layer::BackColour}, {Layer::BackgroundPicture}};
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->kind != ControlKind::FileList && state.Visible(row->control))
            steps.push_back({Layer::Control, row->control});
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->kind == ControlKind::FileList && state.Visible(row->control))
            steps.push_back({Layer::ChildList, row->control});
    }
    return steps;
}

MoverHit HitTest(const MoverLayoutState& state, int x, int y, LayoutScale scale) {
    const PixelSize client = MoverClientPixels(scale);
    if (x < 0 || y < 0 || x >= client.width || y >= client.height) return {MoverHit::Target::Outside};
    const auto under = [&](const ControlRow& row) {
        return state.Visible(row.control) && state.Pixels(row.control, scale).Contains(x, y);
    };
    const auto& rows = MoverControlTable();
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::FileList && under(row)) return {MoverHit::Target::List, row.control};
    }
    for (const ControlRow& row : rows) {
        if (under(row)) return {MoverHit::Target::Control, row.control};
    }
    return {MoverHit::Target::Window};
}

}  // namespace tessary
