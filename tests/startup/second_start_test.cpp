// A start while Tessary already runs: the first start goes on, a later one
// that cannot reach the running copy tells the player and ends.
#include <gtest/gtest.h>

#include "fakes/fake_startup.h"
#include "forms/message_text.h"
#include "forms/message_title.h"
#include "platform/running_copy.h"
#include "startup/second_start.h"

namespace tessary {
namespace {

class FakeRunningCopy : public RunningCopy {
public:
    bool Claim() override { return claimFree; }
    bool AskToShowItself(const std::vector<std::string>& /*files*/) override {
        ++asked;
        return answers;
    }
    bool claimFree = true;
    bool answers = false;
    int asked = 0;
};

TEST(SecondStartTest, TheFirstStartGoesOnWithoutAsking) {
    fakes::EventLog log;
    fakes::FakeMessageBoxes messages(log);
    FakeRunningCopy copy;
    EXPECT_EQ(EndIfAlreadyRunning(copy, messages), std::nullopt);
    EXPECT_EQ(copy.asked, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SecondStartTest, ARunningCopyThatCannotBeReachedIsReportedToThePlayer) {
    fakes::EventLog log;
    fakes::FakeMessageBoxes messages(log);
    FakeRunningCopy copy;
    copy.claimFree = false;
    EXPECT_EQ(EndIfAlreadyRunning(copy, messages), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, kAlreadyRunningText);
    EXPECT_EQ(messages.shown[0].second, std::string(kApplicationTitle));
    // Short enough lines that no part of the text is cut out of the box.
    EXPECT_EQ(FitMessageText(kAlreadyRunningText), kAlreadyRunningText);
}

}  // namespace
}  // namespace tessary
