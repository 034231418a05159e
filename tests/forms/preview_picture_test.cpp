#include "forms/preview_picture.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/failure.h"

namespace tessary {
namespace {

// A preview file of any length costs no more memory than the largest
// acceptable picture, and a longer or foreign file is refused as no picture.
TEST(ReadPreviewPicture, ReadsAtMostTheLimitAndRefusesWhatIsNoPicture) {
    std::size_t asked = 0;
    const auto endless = [&](const std::string&, std::size_t maxBytes) {
        asked = maxBytes;
        return std::string(maxBytes, 'B');
    };
    try {
        ReadPreviewPicture("big.bmp", endless);
        FAIL() << "a file beyond the limit was taken";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.Number(), kInvalidPicture);
        EXPECT_EQ(failure.Description(), "The picture \"big.bmp\" is too large");
    }
    EXPECT_EQ(asked, kMaxPictureFileBytes + 1);

    const auto text = [](const std::string&, std::size_t) { return std::string("not a picture"); };
    try {
        ReadPreviewPicture("text.bmp", text);
        FAIL() << "text was taken for a picture";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.Number(), kInvalidPicture);
        EXPECT_EQ(failure.Description().rfind("Invalid picture: ", 0), 0u) << failure.Description();
    }
}

}  // namespace
}  // namespace tessary
