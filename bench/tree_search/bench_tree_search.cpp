// Times the folder-tree search and reports its peak memory.
//
//   bench_tree_search make ROOT FOLDERS FILES_PER_FOLDER
//       builds a tree of FOLDERS folders (eight subfolders a folder) with
//       FILES_PER_FOLDER empty files in each, none named like the game.
//   bench_tree_search search ROOT NAME RUNS
//       searches ROOT for NAME RUNS times; prints the median time, the
//       result and the peak resident memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "front/posix/tree_search.h"

namespace {

int MakeTree(const std::string& root, int folders, int filesPerFolder) {
    constexpr int kFanOut = 8;
    std::vector<std::string> paths(folders);
    ::mkdir(root.c_str(), 0755);
    for (int i = 0; i < folders; ++i) {
        const std::string& parent = i == 0 ? root : paths[(i - 1) / kFanOut];
        paths[i] = i == 0 ? root + "/top" : parent + "/folder_" + std::to_string(i);
        if (::mkdir(paths[i].c_str(), 0755) != 0) {
            std::perror(paths[i].c_str());
            return 1;
        }
        for (int f = 0; f < filesPerFolder; ++f) {
            const std::string file = paths[i] + "/file_" + std::to_string(f) + ".dat";
            const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            if (fd < 0) {
                std::perror(file.c_str());
                return 1;
            }
            ::close(fd);
        }
    }
    return 0;
}

int Search(const std::string& root, const std::string& name, int runs) {
    tessary::PosixTreeSearch search;
    std::vector<double> times;
    std::string result;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        result = search.Find(root, name);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("median %.1f ms over %d runs; found \"%s\"; peak memory %ld KiB\n", times[times.size() / 2],
                runs, result.c_str(), usage.ru_maxrss);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "make")
        return MakeTree(args[1], std::stoi(args[2]), std::stoi(args[3]));
    if (args.size() == 4 && args[0] == "search")
        return Search(args[1], args[2], std::max(1, std::stoi(args[3])));
    std::fprintf(stderr, "usage: %s make ROOT FOLDERS FILES_PER_FOLDER | search ROOT NAME RUNS\n", argv[0]);
    return 2;
}
