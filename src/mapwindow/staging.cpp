#include "mapwindow/staging.h"

#include <atomic>
#include <chrono>
#include <random>
#include <string_view>

#include "platform/failure.h"
#include "platform/files.h"
#include "platform/path.h"

namespace tessary {

namespace {

constexpr std::string_view kStagingPrefix = ".tessary-adding-";

}  // namespace

std::string MakeStagingFolder(Files& files, const std::string& mapsFolder) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const std::string staging =
        JoinPath(mapsFolder, std::string(kStagingPrefix) + std::to_string(salt) + "-" + std::to_string(now) +
                                 "-" + std::to_string(counter.fetch_add(1)));
    files.CreateFolder(staging);
    return staging;
}

bool IsStaged(const std::string& path) {
    return NameOfPath(FolderOfPath(path)).rfind(kStagingPrefix, 0) == 0;
}

void RemoveStagingFolder(Files& files, const std::string& staging) {
    if (!files.FolderExists(staging)) return;
    try {
        for (const auto& name : files.NamesIn(staging)) {
            const std::string path = JoinPath(staging, name);
            try {
                if (files.FileExists(path)) files.Delete(path);
            } catch (const RuntimeFailure&) {}
        }
        files.RemoveFolder(staging);
    } catch (const RuntimeFailure&) {}
}

void RemoveLeftStagingFolders(Files& files, const std::string& mapsFolder) {
    for (const auto& name : files.NamesIn(mapsFolder)) {
        if (name.rfind(kStagingPrefix, 0) == 0) RemoveStagingFolder(files, JoinPath(mapsFolder, name));
    }
}

}  // namespace tessary
