// Message texts fit on the screen whatever path they name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/message_text.h"

namespace tessary {
namespace {

std::size_t Lines(const std::string& text) {
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(MessageText, DeepPathsKeepTheirStartAndEndAndManyLinesTheirFirstAndLast) {
    std::string deep = "/home/player/Games";
    for (int i = 0; i < 20000; ++i) deep += "/\xC3\xA4";
    deep += "/Home/Maps";
    const std::string fitted =
        FitMessageText("13, Cannot list the folder \"" + deep + "\": Permission denied\n\nOK");
    EXPECT_EQ(fitted.substr(0, 36), "13, Cannot list the folder \"/home/pl");
    const std::string end = "/Home/Maps\": Permission denied\n\nOK";
    EXPECT_EQ(fitted.substr(fitted.size() - end.size()), end);
    EXPECT_NE(fitted.find("..."), std::string::npos);
    EXPECT_LE(fitted.find('\n'), 80u * 2);               // 80 characters of at most two bytes
    EXPECT_EQ(fitted.find("\xC3."), std::string::npos);  // no character cut in two

    std::string tall;
    for (int i = 0; i < 100; ++i) tall += "line " + std::to_string(i) + "\n";
    const std::string fittedTall = FitMessageText(tall + "last");
    EXPECT_EQ(Lines(fittedTall), kMessageLines);
    EXPECT_EQ(fittedTall.substr(0, 7), "line 0\n");
    EXPECT_EQ(fittedTall.substr(fittedTall.size() - 12), "line 99\nlast");
    EXPECT_EQ(FitMessageText("short\ntext"), "short\ntext");
}

}  // namespace
}  // namespace tessary
