#include "forms/mover_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessary {
namespace {

constexpr LayoutScale k96Dpi{15.0, 15.0};
constexpr LayoutScale k120Dpi{12.0, 12.0};

LayoutRect Pixels(std::string_view name, LayoutScale scale) {
    return ToPixels(MoverControl(name).twips, scale);
}

TEST(MoverLayout, RowsInStoredOrderWithTheirPixelPlacesAt96Dpi) {
    struct Expected {
        const char* name;
        LayoutRect rect;
    };
    const Expected expected[] = {
        {"File2", {410, 76, 175, 158}},   {"File1", {45, 76, 175, 158}},    {"Image22", {498, 255, 102, 54}},
        {"Image21", {227, 30, 170, 137}}, {"Image20", {496, 255, 99, 52}},  {"Image19", {496, 255, 99, 52}},
        {"Image16", {28, 301, 93, 58}},   {"Image15", {55, 249, 53, 54}},   {"Image14", {499, 324, 121, 35}},
        {"Image13", {228, 210, 121, 35}}, {"Image12", {283, 171, 121, 35}}, {"Image9", {453, 50, 99, 18}},
        {"Image8", {59, 48, 136, 20}},    {"Image1", {128, 247, 361, 140}}, {"Image7", {399, 65, 198, 181}},
        {"Image5", {34, 64, 198, 181}},   {"Image4", {499, 324, 121, 35}},  {"Image6", {28, 301, 93, 58}},
        {"Image3", {228, 210, 121, 35}},  {"Image2", {283, 171, 121, 35}},  {"Label1", {267, 294, 116, 17}},
        {"Image10", {225, 174, 59, 23}},  {"Image11", {343, 213, 59, 23}},  {"Image17", {283, 171, 121, 35}},
        {"Image18", {228, 210, 121, 35}},
    };
    const auto& rows = MoverControlTable();
    ASSERT_EQ(std::size(expected), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, expected[i].name) << "row " << i + 1;
        EXPECT_EQ(ToPixels(rows[i].twips, k96Dpi), expected[i].rect) << expected[i].name;
        EXPECT_EQ(MoverControlIndex(expected[i].name), i);
    }
    EXPECT_EQ(MoverClientPixels(k96Dpi), (PixelSize{627, 402}));
    EXPECT_FALSE(MoverControlIndex("Image23").has_value());
    EXPECT_THROW(MoverControl("Form1"), std::out_of_range);
}

TEST(MoverLayout, KindsPicturesAndStartingVisibility) {
    std::set<std::string> hidden;
    for (const auto& row : MoverControlTable()) {
        if (!row.startVisible) hidden.emplace(row.name);
        const bool list = row.name.starts_with("File");
        EXPECT_EQ(row.kind == ControlKind::FileList, list) << row.name;
        EXPECT_EQ(row.kind == ControlKind::Label, row.name == "Label1") << row.name;
        const bool pictureless =
            list || row.name == "Label1" || row.name == "Image1" || row.name == "Image22";
        EXPECT_EQ(row.picture.empty(), pictureless) << row.name;
    }
    EXPECT_EQ(hidden, (std::set<std::string>{"Image12", "Image13", "Image14", "Image16", "Image17", "Image18",
                                             "Label1"}));
    // The identical pairs share one picture.
    EXPECT_EQ(MoverControl("Image5").picture, MoverControl("Image7").picture);
    EXPECT_EQ(MoverControl("Image19").picture, MoverControl("Image20").picture);
    EXPECT_EQ(MoverControl("Image17").picture, MoverControl("Image18").picture);
    EXPECT_EQ(MoverControl("Image21").picture, "image21_game.bmp");
}

TEST(MoverLayout, SharedPlacesAndFrameMargins) {
    for (auto scale : {k96Dpi, k120Dpi}) {
        EXPECT_EQ(Pixels("Image2", scale), Pixels("Image12", scale));
        EXPECT_EQ(Pixels("Image2", scale), Pixels("Image17", scale));
        EXPECT_EQ(Pixels("Image3", scale), Pixels("Image13", scale));
        EXPECT_EQ(Pixels("Image3", scale), Pixels("Image18", scale));
        EXPECT_EQ(Pixels("Image4", scale), Pixels("Image14", scale));
        EXPECT_EQ(Pixels("Image6", scale), Pixels("Image16", scale));
    }
    const LayoutRect file1 = Pixels("File1", k96Dpi), frame1 = Pixels("Image5", k96Dpi);
    EXPECT_EQ(file1.left - frame1.left, 11);
    EXPECT_EQ(file1.top - frame1.top, 12);
    EXPECT_EQ(frame1.Right() - file1.Right(), 12);
    EXPECT_EQ(frame1.Bottom() - file1.Bottom(), 11);
    const LayoutRect file2 = Pixels("File2", k96Dpi), frame2 = Pixels("Image7", k96Dpi);
    EXPECT_EQ(file2.left - frame2.left, 11);
    EXPECT_EQ(file2.top - frame2.top, 11);
    EXPECT_EQ(frame2.Right() - file2.Right(), 12);
    EXPECT_EQ(frame2.Bottom() - file2.Bottom(), 12);
}

TEST(MoverLayout, At120DpiEveryPlaceGrowsByAQuarter) {
    EXPECT_EQ(MoverClientPixels(k120Dpi), (PixelSize{784, 503}));
    EXPECT_EQ(Pixels("File1", k120Dpi), (LayoutRect{56, 95, 219, 198}));
    EXPECT_EQ(Pixels("Image1", k120Dpi), (LayoutRect{160, 309, 451, 175}));
    for (const auto& row : MoverControlTable()) {
        const LayoutRect at96 = ToPixels(row.twips, k96Dpi), at120 = ToPixels(row.twips, k120Dpi);
        EXPECT_NEAR(at120.left, at96.left * 1.25, 0.5) << row.name;
        EXPECT_NEAR(at120.top, at96.top * 1.25, 0.5) << row.name;
        EXPECT_NEAR(at120.Right(), at96.Right() * 1.25, 0.5) << row.name;
        EXPECT_NEAR(at120.Bottom(), at96.Bottom() * 1.25, 0.5) << row.name;
    }
    // Different scales across and down.
    EXPECT_EQ(ToPixels(MoverControl("Image22").twips, {12.0, 15.0}), (LayoutRect{623, 255, 127, 54}));
    EXPECT_THROW(ToPixels(MoverControl("Image22").twips, {0.0, 15.0}), std::invalid_argument);
}

TEST(MoverLayout, WindowAndControlProperties) {
    EXPECT_EQ(kMoverCaption, "Tessary");
    EXPECT_EQ(kMoverBackColour, (Rgb{0, 0, 0}));
    EXPECT_EQ(kFile1Look.tabIndex, 0);
    EXPECT_EQ(kFile2Look.tabIndex, 1);
    EXPECT_EQ(kLabel1TabIndex, 2);
    EXPECT_EQ(kFile1Look.toolTip, "Select a map you would like to store for later use.");
    EXPECT_EQ(kFile2Look.toolTip, "Select a map you would like to install into the game.");
    EXPECT_EQ(kFile1Look.backColour, (Rgb{64, 64, 64}));
    EXPECT_EQ(kFile2Look.textColour, (Rgb{192, 192, 192}));
    EXPECT_EQ(kLabel1Caption, "No Picture is Available");
    EXPECT_EQ(kLabel1TextColour, (Rgb{224, 224, 224}));
    // The label lies inside the preview area.
    const LayoutRect label = Pixels("Label1", k96Dpi), preview = Pixels("Image1", k96Dpi);
    EXPECT_TRUE(preview.Contains(label.left, label.top));
    EXPECT_TRUE(preview.Contains(label.Right() - 1, label.Bottom() - 1));
}

}  // namespace
}  // namespace tessary
