#pragma once
// What every front's journals must do, checked on a real folder.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/files.h"

namespace tessary::testing {

// A journal counts as abandoned only once its program lets go of it, then
// with every line it was given; a finished journal is gone.
inline void ExpectJournalAbandonedOnlyWhenLetGo(Files& files, const std::string& folder) {
    std::unique_ptr<Journal> journal = files.StartJournal(folder);
    journal->Append("step\tone");
    EXPECT_TRUE(files.AbandonedJournals(folder).empty());
    journal.reset();
    const auto abandoned = files.AbandonedJournals(folder);
    ASSERT_EQ(abandoned.size(), 1u);
    EXPECT_EQ(abandoned[0].text, "step\tone\n");
    files.StartJournal(folder)->Finish();
    EXPECT_EQ(files.AbandonedJournals(folder).size(), 1u);
}

}  // namespace tessary::testing
