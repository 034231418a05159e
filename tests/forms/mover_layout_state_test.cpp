#include "forms/mover_layout_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessary {
namespace {

constexpr LayoutScale k96Dpi{15.0, 15.0};
constexpr LayoutScale k120Dpi{12.0, 12.0};
using Target = MoverHit::Target;

std::string Describe(const MoverHit& hit) {
    switch (hit.target) {
    case Target::List: return "list " + std::string(hit.name);
    case Target::Control: return "control " + std::string(hit.name);
    case Target::Window: return "window";
    case Target::Outside: return "outside";
    }
    return "?";
}

std::string PressAt(const MoverLayoutState& state, int x, int y, LayoutScale scale = k96Dpi) {
    return Describe(HitTest(state, x, y, scale));
}

std::size_t Row(std::string_view name) { return *MoverControlIndex(name); }

TEST(MoverHitTest, PressesReachTheTopmostVisibleControl) {
    MoverLayoutState state;
    // Left of the hot spot, on the badge: a skin picture takes it.
    EXPECT_EQ(PressAt(state, 497, 280), "control Image20");
    // Right of the badge, still in the hot spot.
    EXPECT_EQ(PressAt(state, 597, 307), "control Image22");
    EXPECT_EQ(PressAt(state, 599, 308), "control Image22");
    EXPECT_EQ(PressAt(state, 600, 308), "window");
    // The lists lie above their frames.
    EXPECT_EQ(PressAt(state, 45, 76), "list File1");
    EXPECT_EQ(PressAt(state, 584, 233), "list File2");
    EXPECT_EQ(PressAt(state, 40, 70), "control Image5");
    // Skin and bare panel.
    EXPECT_EQ(PressAt(state, 300, 100), "control Image21");
    EXPECT_EQ(PressAt(state, 10, 10), "window");
    EXPECT_EQ(PressAt(state, 610, 395), "window");
    EXPECT_EQ(PressAt(state, 627, 10), "outside");
    EXPECT_EQ(PressAt(state, -1, 10), "outside");
    // The preview area takes a press over the hidden label.
    EXPECT_EQ(PressAt(state, 300, 300), "control Image1");
    // Buttons at the shared places follow the visibility.
    EXPECT_EQ(PressAt(state, 300, 180), "control Image2");
    EXPECT_EQ(PressAt(state, 550, 340), "control Image4");
    state.SetVisible("Image12", true);
    state.SetVisible("Image14", true);
    EXPECT_EQ(PressAt(state, 300, 180), "control Image12");
    EXPECT_EQ(PressAt(state, 550, 340), "control Image14");
    state.SetVisible("Image22", false);
    EXPECT_EQ(PressAt(state, 597, 307), "window");
    state.SetVisible("File1", false);
    EXPECT_EQ(PressAt(state, 100, 100), "control Image5");
}

TEST(MoverHitTest, PreviewAreaTakesItsPicturesSizeWithinItsPlace) {
    MoverLayoutState state;
    EXPECT_EQ(state.RowPixels(Row("Image1"), k96Dpi), (LayoutRect{128, 247, 361, 140}));
    // A larger picture is cut to the area's place: the quit button beside it
    // still takes its presses.
    state.SetPreviewPictureSize(PixelSize{400, 200});
    EXPECT_EQ(state.RowPixels(Row("Image1"), k96Dpi), (LayoutRect{128, 247, 361, 140}));
    EXPECT_EQ(PressAt(state, 510, 340), "control Image4");
    state.SetPreviewPictureSize(PixelSize{100, 900});
    EXPECT_EQ(state.RowPixels(Row("Image1"), k96Dpi), (LayoutRect{128, 247, 100, 140}));
    // A small picture shrinks it: the panel beside it is bare again.
    state.SetPreviewPictureSize(PixelSize{10, 10});
    EXPECT_EQ(PressAt(state, 140, 380), "window");
    EXPECT_EQ(PressAt(state, 137, 256), "control Image1");
    state.SetPreviewPictureSize(std::nullopt);
    EXPECT_EQ(PressAt(state, 140, 380), "control Image1");
    // The picture keeps its pixel size at another density; the corner moves.
    state.SetPreviewPictureSize(PixelSize{20, 30});
    EXPECT_EQ(state.RowPixels(Row("Image1"), k120Dpi), (LayoutRect{160, 309, 20, 30}));
}

TEST(MoverHitTest, At120DpiTheHotSpotMoves) {
    MoverLayoutState state;
    EXPECT_EQ(PressAt(state, 770, 200, k120Dpi), "window");
    EXPECT_EQ(PressAt(state, 597, 307, k120Dpi), "control Image7");
    EXPECT_EQ(PressAt(state, 623, 319, k120Dpi), "control Image22");
    EXPECT_EQ(PressAt(state, 621, 319, k120Dpi), "control Image20");
    EXPECT_EQ(PressAt(state, 783, 502, k120Dpi), "window");
    EXPECT_EQ(PressAt(state, 784, 10, k120Dpi), "outside");
}

std::vector<std::size_t> Controls(const std::vector<PaintStep>& steps, PaintStep::Layer layer) {
    std::vector<std::size_t> rows;
    for (const auto& step : steps) {
        if (step.layer == layer) rows.push_back(step.row);
    }
    return rows;
}

std::ptrdiff_t PositionOf(const std::vector<PaintStep>& steps, std::string_view name) {
    const auto it = std::find_if(steps.begin(), steps.end(), [&](const PaintStep& s) {
        return (s.layer == PaintStep::Layer::Control || s.layer == PaintStep::Layer::ChildList) &&
               MoverControlTable()[s.row].name == name;
    });
    return it == steps.end() ? -1 : it - steps.begin();
}

TEST(MoverPaintOrder, BackgroundThenRowsFromLastToFirstThenLists) {
    MoverLayoutState state;
    const auto steps = PaintOrder(state);
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(steps[0].layer, PaintStep::Layer::BackColour);
    EXPECT_EQ(steps[1].layer, PaintStep::Layer::BackgroundPicture);
    EXPECT_EQ(Controls(steps, PaintStep::Layer::ChildList),
              (std::vector<std::size_t>{Row("File1"), Row("File2")}));
    EXPECT_EQ(steps[steps.size() - 2].layer, PaintStep::Layer::ChildList);
    EXPECT_EQ(steps.back().layer, PaintStep::Layer::ChildList);
    // 22 picture areas and the label, minus the seven hidden at start.
    const auto controls = Controls(steps, PaintStep::Layer::Control);
    EXPECT_EQ(controls.size(), 23u - 7u);
    EXPECT_TRUE(std::is_sorted(controls.rbegin(), controls.rend()));
    EXPECT_EQ(PositionOf(steps, "Image14"), -1);
    EXPECT_EQ(PositionOf(steps, "Label1"), -1);
    // The hot spot lies above the badges, the badges above the preview area.
    EXPECT_GT(PositionOf(steps, "Image22"), PositionOf(steps, "Image20"));
    EXPECT_GT(PositionOf(steps, "Image20"), PositionOf(steps, "Image19"));
    EXPECT_GT(PositionOf(steps, "Image19"), PositionOf(steps, "Image1"));

    state.SetVisible("Label1", true);
    state.SetVisible("Image14", true);
    const auto shown = PaintOrder(state);
    // A preview picture is drawn over the label; the pressed quit face over the normal one.
    EXPECT_GT(PositionOf(shown, "Image1"), PositionOf(shown, "Label1"));
    EXPECT_GT(PositionOf(shown, "Image14"), PositionOf(shown, "Image4"));
}

}  // namespace
}  // namespace tessary
