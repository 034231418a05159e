#include "forms/mover_layout.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

constexpr LayoutScale k96Dpi{15.0, 15.0};
constexpr LayoutScale k120Dpi{12.0, 12.0};
using C = MapControl;

LayoutRect Pixels(MapControl control, LayoutScale scale) {
    return ToPixels(MoverControl(control).twips, scale);
}

TEST(MoverLayout, FacesOfOnePlaceCoverEachOtherExactly) {
    for (auto scale : {k96Dpi, k120Dpi}) {
        EXPECT_EQ(Pixels(C::InstallIdle, scale), Pixels(C::InstallButton, scale));
        EXPECT_EQ(Pixels(C::InstallIdle, scale), Pixels(C::InstallBlank, scale));
        EXPECT_EQ(Pixels(C::StoreIdle, scale), Pixels(C::StoreButton, scale));
        EXPECT_EQ(Pixels(C::StoreIdle, scale), Pixels(C::StoreBlank, scale));
        EXPECT_EQ(Pixels(C::QuitButton, scale), Pixels(C::QuitPressed, scale));
        EXPECT_EQ(Pixels(C::CustomMapsButton, scale), Pixels(C::CustomMapsPressed, scale));
    }
}

TEST(MoverLayout, ListsSitInsideTheirFramesAndTheLabelInsideThePreview) {
    const LayoutRect game = Pixels(C::GameList, k96Dpi), gameFrame = Pixels(C::GameListFrame, k96Dpi);
    EXPECT_EQ(game.left - gameFrame.left, 11);
    EXPECT_EQ(game.top - gameFrame.top, 12);
    EXPECT_EQ(gameFrame.Right() - game.Right(), 12);
    EXPECT_EQ(gameFrame.Bottom() - game.Bottom(), 11);
    const LayoutRect stored = Pixels(C::StoredList, k96Dpi), storedFrame = Pixels(C::StoredListFrame, k96Dpi);
    EXPECT_EQ(stored.left - storedFrame.left, 11);
    EXPECT_EQ(stored.top - storedFrame.top, 11);
    EXPECT_EQ(storedFrame.Right() - stored.Right(), 12);
    EXPECT_EQ(storedFrame.Bottom() - stored.Bottom(), 12);
    const LayoutRect label = Pixels(C::NoPictureLabel, k96Dpi), preview = Pixels(C::Preview, k96Dpi);
    EXPECT_TRUE(preview.Contains(label.left, label.top));
    EXPECT_TRUE(preview.Contains(label.Right() - 1, label.Bottom() - 1));
}

TEST(MoverLayout, At120DpiEveryPlaceGrowsByAQuarter) {
    EXPECT_EQ(MoverClientPixels(k96Dpi), (PixelSize{627, 402}));
    EXPECT_EQ(MoverClientPixels(k120Dpi), (PixelSize{784, 503}));
    EXPECT_EQ(Pixels(C::Preview, k96Dpi), (LayoutRect{128, 247, 361, 140}));
    EXPECT_EQ(Pixels(C::Preview, k120Dpi), (LayoutRect{160, 309, 451, 175}));
    for (const auto& row : MoverControlTable()) {
        const LayoutRect at96 = ToPixels(row.twips, k96Dpi), at120 = ToPixels(row.twips, k120Dpi);
        EXPECT_NEAR(at120.left, at96.left * 1.25, 0.5) << row.purpose;
        EXPECT_NEAR(at120.top, at96.top * 1.25, 0.5) << row.purpose;
        EXPECT_NEAR(at120.Right(), at96.Right() * 1.25, 0.5) << row.purpose;
        EXPECT_NEAR(at120.Bottom(), at96.Bottom() * 1.25, 0.5) << row.purpose;
    }
    // Different scales across and down.
    EXPECT_EQ(Pixels(C::HomePageSpot, {12.0, 15.0}), (LayoutRect{623, 255, 127, 54}));
    EXPECT_THROW(Pixels(C::HomePageSpot, {0.0, 15.0}), std::invalid_argument);
}

}  // namespace
}  // namespace tessary
