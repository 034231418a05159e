// The pictures built into the Windows program: every one a window asks for
// by name is there and decodes.
#include <gtest/gtest.h>

#include "forms/mover_layout.h"
#include "forms/startup_layout.h"
#include "front/win32/dib_picture.h"

namespace tessary {
namespace {

TEST(EmbeddedPicturesTest, EveryPictureTheWindowsNameIsBuiltIn) {
    ASSERT_NE(SplashPicture(), nullptr);
    EXPECT_EQ(SplashPicture(), EmbeddedPicture(kSplashPictureName));
    ASSERT_NE(FramePicture(), nullptr);
    EXPECT_EQ(FramePicture(), EmbeddedPicture(kMainFramePictureName));
    const DibPicture* background = EmbeddedPicture(kMoverBackgroundPicture);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ((PixelSize{background->Width(), background->Height()}), kMoverBackgroundSize);
    for (const ControlRow& row : MoverControlTable()) {
        if (!row.picture.empty()) {
            EXPECT_NE(EmbeddedPicture(row.picture), nullptr) << row.picture;
        }
    }
}

}  // namespace
}  // namespace tessary
