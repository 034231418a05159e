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
    // The path goes on a line of its own, shortened in its middle.
    const std::string start = "13, Cannot list the folder\n\"/home/pl";
    EXPECT_EQ(fitted.substr(0, start.size()), start);
    const std::string end = "/Home/Maps\":\nPermission denied\n\nOK";
    EXPECT_EQ(fitted.substr(fitted.size() - end.size()), end);
    const std::size_t pathStart = fitted.find('\n') + 1;
    const std::string path = fitted.substr(pathStart, fitted.find('\n', pathStart) - pathStart);
    EXPECT_NE(path.find("..."), std::string::npos);
    EXPECT_LE(path.size(), 80u * 2);                     // 80 characters of at most two bytes
    EXPECT_EQ(fitted.find("\xC3."), std::string::npos);  // no character cut in two

    std::string tall;
    for (int i = 0; i < 100; ++i) tall += "line " + std::to_string(i) + "\n";
    const std::string fittedTall = FitMessageText(tall + "last");
    EXPECT_EQ(Lines(fittedTall), kMessageLines);
    EXPECT_EQ(fittedTall.substr(0, 7), "line 0\n");
    EXPECT_EQ(fittedTall.substr(fittedTall.size() - 12), "line 99\nlast");
    EXPECT_EQ(FitMessageText("short\ntext"), "short\ntext");
}

TEST(MessageText, LongSentencesWrapAtBlanksWithEveryWordWhole) {
    const std::string sentence =
        "The map \"Aspen Valley.gmx\" was not moved to the Stored Maps folder, because a map of the same "
        "name is already there; rename one of the two maps and move it again afterwards.";
    const std::string fitted = FitMessageText(sentence);
    EXPECT_EQ(Lines(fitted), 3u);
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = fitted.find('\n', start);
        EXPECT_LE(fitted.substr(start, end - start).size(), kMessageLineChars);
    }
    std::string rejoined = fitted;
    std::replace(rejoined.begin(), rejoined.end(), '\n', ' ');
    EXPECT_EQ(rejoined, sentence);
}

}  // namespace
}  // namespace tessary
