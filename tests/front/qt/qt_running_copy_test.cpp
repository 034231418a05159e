// The one running copy: a later start hands its files over the local socket.
#include <QTest>

#include <sys/stat.h>

#include <chrono>
#include <future>

#include <gtest/gtest.h>

#include "front/qt/qt_running_copy.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

// The copy already running answers from the event loop while the later
// start waits for it, as two processes would; the later start asks from
// another thread here.
TEST(QtRunningCopyTest, ALaterStartHandsOverPathsOfAnyBytesAndTheRunningCopyAnswersAtOnce) {
    testing::TempFolder temp;
    const std::string runtime = temp.Folder("runtime");
    ::chmod(runtime.c_str(), 0700);
    struct RuntimeFolder {
        QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", saved); }
    } restored;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));

    QtRunningCopy running;
    ASSERT_TRUE(running.Claim());
    std::vector<std::vector<std::string>> handedOver;
    bool hasMapWindow = true;
    running.OnShowRequest([&](const std::vector<std::string>& files) {
        if (hasMapWindow) handedOver.push_back(files);
        return hasMapWindow;
    });
    QtRunningCopy later;
    ASSERT_FALSE(later.Claim());
    auto ask = [&](std::vector<std::string> files) {
        std::future<bool> answer =
            std::async(std::launch::async, [&later, files] { return later.AskToShowItself(files); });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
        return answer.get();
    };

    const std::vector<std::string> files{"/home/ann/Maps \xff\xfe %41%.zip", "/tmp/two\nlines/b.7z"};
    EXPECT_TRUE(ask(files));
    EXPECT_TRUE(ask({}));
    // A path longer than any the system opens is refused before it is sent.
    EXPECT_FALSE(ask({"/" + std::string(QtRunningCopy::kLongestPath, 'a')}));
    EXPECT_EQ(handedOver, (std::vector<std::vector<std::string>>{files, {}}));
    // Not taken where there is no map window yet: the later start says so.
    hasMapWindow = false;
    EXPECT_FALSE(ask(files));
}

}  // namespace
}  // namespace tessary
