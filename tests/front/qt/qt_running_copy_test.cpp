// The one running copy: a later start hands its files over the local socket.
#include <QTest>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <future>

#include <gtest/gtest.h>

#include "front/qt/qt_running_copy.h"
#include "front/posix/file_descriptor.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

// A runtime folder of the test's own, the user's alone, while it lives.
struct PrivateRuntimeFolder {
    PrivateRuntimeFolder() {
        ::chmod(path.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(path));
    }
    ~PrivateRuntimeFolder() { qputenv("XDG_RUNTIME_DIR", saved); }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

    testing::TempFolder temp;
    const std::string path = temp.Folder("runtime");
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
};

// The copy already running answers from the event loop while the later
// start waits for it, as two processes would; the later start asks from
// another thread here.
TEST(QtRunningCopyTest, ALaterStartHandsOverPathsOfAnyBytesAndTheRunningCopyAnswersAtOnce) {
    const PrivateRuntimeFolder runtimeFolder;

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

// Later starts that connect and never finish their request, or send more
// than any request holds, neither hold up the answer to the next one nor
// make the running copy keep their bytes; and the socket is the user's alone.
TEST(QtRunningCopyTest, ASilentOrOverlongLaterStartHoldsUpNoOther) {
    const PrivateRuntimeFolder runtimeFolder;
    const std::string& runtime = runtimeFolder.path;
    QtRunningCopy running;
    ASSERT_TRUE(running.Claim());
    running.OnShowRequest([](const std::vector<std::string>&) { return true; });
    const std::string socketPath = runtime + "/tessary.socket";
    struct stat socketFile {};
    ASSERT_EQ(::stat(socketPath.c_str(), &socketFile), 0);
    EXPECT_EQ(socketFile.st_mode & 077, 0u);

    auto connect = [&] {
        FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        EXPECT_EQ(::connect(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return socket;
    };
    const FileDescriptor silent = connect();
    const FileDescriptor halfway = connect();
    ASSERT_EQ(::send(halfway.Get(), "file /a", 7, MSG_NOSIGNAL), 7);
    const FileDescriptor overlong = connect();
    const std::string endless(4 * QtRunningCopy::kLongestPath + 2, 'a');
    ASSERT_EQ(::send(overlong.Get(), endless.data(), endless.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(endless.size()));

    QtRunningCopy later;
    std::future<bool> answer = std::async(std::launch::async, [&later] { return later.AskToShowItself({"/b"}); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
    EXPECT_TRUE(answer.get());
    // The over-long one is cut off: its next read finds the end.
    pollfd ended{overlong.Get(), POLLIN, 0};
    EXPECT_EQ(::poll(&ended, 1, 5000), 1);
    char byte = 0;
    EXPECT_EQ(::recv(overlong.Get(), &byte, 1, MSG_DONTWAIT), 0);
}

}  // namespace
}  // namespace tessary
