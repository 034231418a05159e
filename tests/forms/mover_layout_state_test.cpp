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
    case Target::List: return "list " + std::string(MoverControl(hit.control).purpose);
    case Target::Control: return "control " + std::string(MoverControl(hit.control).purpose);
    case Target::Window: return "window";
    case Target::Outside: return "outside";
    }
    return "?";
}

std::string PressAt(const MoverLayoutState& state, int x, int y, LayoutScale scale = k96Dpi) {
    return Describe(HitTest(state, x, y, scale));
}

TEST(MoverHitTest, PressesReachTheTopmostVisibleControl) {
    MoverLayoutState state;
    // Left of the hot spot, on the badge: a skin picture takes it.
    EXPECT_EQ(PressAt(state, 497, 280), "control maker badge");
    // Right of the badge, still in the hot spot.
    EXPECT_EQ(PressAt(state, 597, 307), "control home page hot spot");
    EXPECT_EQ(PressAt(state, 599, 308), "control home page hot spot");
    EXPECT_EQ(PressAt(state, 600, 308), "window");
    // The lists lie above their frames.
    EXPECT_EQ(PressAt(state, 45, 76), "list game maps list");
    EXPECT_EQ(PressAt(state, 584, 233), "list stored maps list");
    EXPECT_EQ(PressAt(state, 40, 70), "control game maps frame");
    // Skin and bare panel.
    EXPECT_EQ(PressAt(state, 300, 100), "control game picture");
    EXPECT_EQ(PressAt(state, 10, 10), "window");
    EXPECT_EQ(PressAt(state, 610, 395), "window");
    EXPECT_EQ(PressAt(state, 627, 10), "outside");
    EXPECT_EQ(PressAt(state, -1, 10), "outside");
    // The preview area takes a press over the hidden label.
    EXPECT_EQ(PressAt(state, 300, 300), "control preview");
    // Buttons at the shared places follow the visibility.
    EXPECT_EQ(PressAt(state, 300, 180), "control install place idle");
    EXPECT_EQ(PressAt(state, 550, 340), "control quit button");
    state.SetVisible(MapControl::InstallButton, true);
    state.SetVisible(MapControl::QuitPressed, true);
    EXPECT_EQ(PressAt(state, 300, 180), "control install button");
    EXPECT_EQ(PressAt(state, 550, 340), "control quit button pressed");
    state.SetVisible(MapControl::HomePageSpot, false);
    EXPECT_EQ(PressAt(state, 597, 307), "window");
    state.SetVisible(MapControl::GameList, false);
    EXPECT_EQ(PressAt(state, 100, 100), "control game maps frame");
}

TEST(MoverHitTest, PreviewAreaTakesItsPicturesSizeWithinItsPlace) {
    MoverLayoutState state;
    EXPECT_EQ(state.Pixels(MapControl::Preview, k96Dpi), (LayoutRect{128, 247, 361, 140}));
    // A larger picture is cut to the area's place: the quit button beside it
    // still takes its presses.
    state.SetPreviewPictureSize(PixelSize{400, 200});
    EXPECT_EQ(state.Pixels(MapControl::Preview, k96Dpi), (LayoutRect{128, 247, 361, 140}));
    EXPECT_EQ(PressAt(state, 510, 340), "control quit button");
    state.SetPreviewPictureSize(PixelSize{100, 900});
    EXPECT_EQ(state.Pixels(MapControl::Preview, k96Dpi), (LayoutRect{128, 247, 100, 140}));
    // A small picture shrinks it: the panel beside it is bare again.
    state.SetPreviewPictureSize(PixelSize{10, 10});
    EXPECT_EQ(PressAt(state, 140, 380), "window");
    EXPECT_EQ(PressAt(state, 137, 256), "control preview");
    state.SetPreviewPictureSize(std::nullopt);
    EXPECT_EQ(PressAt(state, 140, 380), "control preview");
    // The picture keeps its pixel size at another density; the corner moves.
    state.SetPreviewPictureSize(PixelSize{20, 30});
    EXPECT_EQ(state.Pixels(MapControl::Preview, k120Dpi), (LayoutRect{160, 309, 20, 30}));
}

TEST(MoverHitTest, At120DpiTheHotSpotMoves) {
    MoverLayoutState state;
    EXPECT_EQ(PressAt(state, 770, 200, k120Dpi), "window");
    EXPECT_EQ(PressAt(state, 597, 307, k120Dpi), "control stored maps frame");
    EXPECT_EQ(PressAt(state, 623, 319, k120Dpi), "control home page hot spot");
    EXPECT_EQ(PressAt(state, 621, 319, k120Dpi), "control maker badge");
    EXPECT_EQ(PressAt(state, 783, 502, k120Dpi), "window");
    EXPECT_EQ(PressAt(state, 784, 10, k120Dpi), "outside");
}

std::vector<std::size_t> Controls(const std::vector<PaintStep>& steps, PaintStep::Layer layer) {
    std::vector<std::size_t> rows;
    for (const auto& step : steps) {
        if (step.layer == layer) rows.push_back(Row(step.control));
    }
    return rows;
}

std::ptrdiff_t PositionOf(const std::vector<PaintStep>& steps, MapControl control) {
    const auto it = std::find_if(steps.begin(), steps.end(), [&](const PaintStep& s) {
        return (s.layer == PaintStep::Layer::Control || s.layer == PaintStep::Layer::ChildList) &&
               s.control == control;
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
              (std::vector<std::size_t>{Row(MapControl::GameList), Row(MapControl::StoredList)}));
    EXPECT_EQ(steps[steps.size() - 2].layer, PaintStep::Layer::ChildList);
    EXPECT_EQ(steps.back().layer, PaintStep::Layer::ChildList);
    // 22 picture areas and the label, minus the seven hidden at start.
    const auto controls = Controls(steps, PaintStep::Layer::Control);
    EXPECT_EQ(controls.size(), 23u - 7u);
    EXPECT_TRUE(std::is_sorted(controls.rbegin(), controls.rend()));
    EXPECT_EQ(PositionOf(steps, MapControl::QuitPressed), -1);
    EXPECT_EQ(PositionOf(steps, MapControl::NoPictureLabel), -1);
    // The hot spot lies above the badges, the badges above the preview area.
    EXPECT_GT(PositionOf(steps, MapControl::HomePageSpot), PositionOf(steps, MapControl::Badge));
    EXPECT_GT(PositionOf(steps, MapControl::Badge), PositionOf(steps, MapControl::BadgeBelow));
    EXPECT_GT(PositionOf(steps, MapControl::BadgeBelow), PositionOf(steps, MapControl::Preview));

    state.SetVisible(MapControl::NoPictureLabel, true);
    state.SetVisible(MapControl::QuitPressed, true);
    const auto shown = PaintOrder(state);
    // A preview picture is drawn over the label; the pressed quit face over the normal one.
    EXPECT_GT(PositionOf(shown, MapControl::Preview), PositionOf(shown, MapControl::NoPictureLabel));
    EXPECT_GT(PositionOf(shown, MapControl::QuitPressed), PositionOf(shown, MapControl::QuitButton));
}

}  // namespace
}  // namespace tessary
