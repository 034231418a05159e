// Lists a folder of many map files (plus other files and links) and prints
// how long the listing and the list's re-read take. Usage: bench_listing [count]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "front/posix/folder_listing.h"
#include "front/posix/posix_file_list.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    std::string pattern = (fs::temp_directory_path() / "tessary-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return 1;
    const fs::path folder = pattern;
    for (int i = 0; i < count; ++i) {
        const std::string stem = (i % 3 == 0 ? "Map " : "map") + std::to_string(count - i);
        std::ofstream(folder / (stem + (i % 2 ? ".gmx" : ".GMX"))) << "x";
        if (i % 10 == 0) std::ofstream(folder / (stem + ".bmp")) << "x";
        if (i % 50 == 0)
            fs::create_symlink(folder / (stem + (i % 2 ? ".gmx" : ".GMX")), folder / (stem + "l.gmx"));
    }

    const tessary::FilePattern maps("*.gmx; *.GMX");
    double best = 1e9;
    std::size_t listed = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        listed = tessary::ListMatchingFiles(folder.string(), maps).size();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("ListMatchingFiles: %zu of %d maps in %.2f ms (best of 5)\n", listed, count, best);

    tessary::PosixFileList list;
    const auto start = Clock::now();
    list.SetFolder(folder.string());
    list.SetPattern("*.gmx; *.GMX");
    list.Refresh();
    std::printf("Folder, pattern and re-read as RefreshMapLists does: %.2f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    fs::remove_all(folder);
    return 0;
}
