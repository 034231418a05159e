#include "forms/mover_layout_state.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tessary {

namespace {

std::size_t IndexOf(std::string_view name) {
    const auto index = MoverControlIndex(name);
    if (!index) throw std::out_of_range("no map window control named " + std::string(name));
    return *index;
}

const std::size_t kImage1Row = IndexOf("Image1");

}  // namespace

MoverLayoutState::MoverLayoutState() {
    const auto& rows = MoverControlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) visible_[i] = rows[i].startVisible;
}

bool MoverLayoutState::Visible(std::string_view name) const { return Visible(IndexOf(name)); }

void MoverLayoutState::SetVisible(std::string_view name, bool visible) { SetVisible(IndexOf(name), visible); }

LayoutRect MoverLayoutState::RowPixels(std::size_t row, LayoutScale scale) const {
    LayoutRect rect = ToPixels(MoverControlTable().at(row).twips, scale);
    if (row == kImage1Row && previewPicture_) {
        // A smaller picture shrinks the area; a larger one is cut to the
        // area's own place, so it never covers the controls around it.
        rect.width = std::min(rect.width, previewPicture_->width);
        rect.height = std::min(rect.height, previewPicture_->height);
    }
    return rect;
}

std::array<LayoutRect, kMoverControlCount> MoverLayoutState::AllPixels(LayoutScale scale) const {
    std::array<LayoutRect, kMoverControlCount> rects{};
    for (std::size_t i = 0; i < rects.size(); ++i) rects[i] = RowPixels(i, scale);
    return rects;
}

std::vector<PaintStep> PaintOrder(const MoverLayoutState& state) {
    using Layer = PaintStep::Layer;
    const auto& rows = MoverControlTable();
    std::vector<PaintStep> steps{{Layer::BackColour}, {Layer::BackgroundPicture}};
    for (std::size_t i = rows.size(); i-- > 0;) {
        if (rows[i].kind != ControlKind::FileList && state.Visible(i)) steps.push_back({Layer::Control, i});
    }
    for (std::size_t i = rows.size(); i-- > 0;) {
        if (rows[i].kind == ControlKind::FileList && state.Visible(i)) steps.push_back({Layer::ChildList, i});
    }
    return steps;
}

MoverHit HitTest(const MoverLayoutState& state, int x, int y, LayoutScale scale) {
    const PixelSize client = MoverClientPixels(scale);
    if (x < 0 || y < 0 || x >= client.width || y >= client.height) return {MoverHit::Target::Outside, 0, {}};
    const auto& rows = MoverControlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == ControlKind::FileList && state.Visible(i) &&
            state.RowPixels(i, scale).Contains(x, y)) {
            return {MoverHit::Target::List, i, rows[i].name};
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (state.Visible(i) && state.RowPixels(i, scale).Contains(x, y)) {
            return {MoverHit::Target::Control, i, rows[i].name};
        }
    }
    return {MoverHit::Target::Window, 0, {}};
}

}  // namespace tessary
