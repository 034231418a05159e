// The program's arguments: options alone, or files to add.
#include <gtest/gtest.h>

#include "front/posix/command_line.h"

namespace tessary {
namespace {

CommandLine Read(std::vector<const char*> arguments,
                 const std::string& workingFolder = "/home/ann/Downloads") {
    arguments.insert(arguments.begin(), "tessary");
    return ReadCommandLine(static_cast<int>(arguments.size()), arguments.data(), workingFolder);
}

TEST(CommandLineTest, FilesAreFullPathsKeptByteForByteAndOptionsStayAlone) {
    const CommandLine line = Read({"Map \xff.zip", "/tmp/b.7z", "--", "-odd.gmx", "--"});
    EXPECT_EQ(line.request, CommandLineRequest::Run);
    EXPECT_EQ(line.files,
              (std::vector<std::string>{"/home/ann/Downloads/Map \xff.zip", "/tmp/b.7z",
                                        "/home/ann/Downloads/-odd.gmx", "/home/ann/Downloads/--"}));
    EXPECT_EQ(Read({"--version"}).request, CommandLineRequest::Version);
    EXPECT_EQ(Read({"--", "--version"}).files, std::vector<std::string>{"/home/ann/Downloads/--version"});
    for (const auto& misuse : std::vector<std::vector<const char*>>{
             {"a.zip", "--help"}, {"--version", "a.zip"}, {"-"}, {""}, {"-platform", "xcb"}}) {
        EXPECT_EQ(Read(misuse).request, CommandLineRequest::Misuse) << misuse[0];
    }
    // Where the working folder is gone, a relative name says nothing certain.
    EXPECT_EQ(Read({"a.zip"}, "").request, CommandLineRequest::Misuse);
    EXPECT_EQ(Read({"/tmp/a.zip"}, "").files, std::vector<std::string>{"/tmp/a.zip"});
}

}  // namespace
}  // namespace tessary
