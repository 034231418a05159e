// How long the map window's load step and the re-read of both lists take with
// N maps in the game maps folder and N in "Stored Maps", for N = 10,000,
// 20,000 and 40,000 (or the counts given): the real Mover, once with the Qt
// lists the player sees (offscreen) and once with the plain lists.
//   bench_refresh_maps [N...]
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "fakes/fake_mover.h"
#include "front/posix/posix_file_list.h"
#include "front/posix/posix_files.h"
#include "front/qt/mover_window.h"
#include "front/qt/qt_process_services.h"
#include "front/qt/qt_resources.h"

namespace fs = std::filesystem;
using namespace tessary;

namespace {

constexpr int kRuns = 20;

struct Timing {
    double median, min;
};

// Median and least time of a step, each run after an untimed preparation.
Timing Time(
    int runs, const std::function<void()>& step, const std::function<void()>& prepare = [] {}) {
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const auto took = std::chrono::steady_clock::now() - start;
        ms.push_back(std::chrono::duration<double, std::milli>(took).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

// count maps, a picture beside every tenth and a note beside every 25th,
// written in scrambled order, a few with the upper-case extension.
void MakeMaps(const fs::path& folder, int count) {
    fs::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        const std::string stem = "Map " + std::to_string((i * 7919L) % count);
        std::ofstream(folder / (stem + (i % 7 ? ".gmx" : ".GMX")));
        if (i % 10 == 0) std::ofstream(folder / (stem + ".bmp"));
        if (i % 25 == 0) std::ofstream(folder / (stem + ".txt"));
    }
}

void Report(const char* lists, int count, Timing load, Timing refresh) {
    std::printf(
        "%6d  %-6s  load median %7.2f ms  RefreshMapLists median %7.2f ms  min %7.2f ms"
        "  per map %5.3f / %5.3f us\n",
        count, lists, load.median, refresh.median, refresh.min, refresh.median * 1e3 / (2.0 * count),
        refresh.min * 1e3 / (2.0 * count));
}

void Check(bool listed, const char* what) {
    if (!listed) {
        std::fprintf(stderr, "%s: not every map was listed\n", what);
        std::exit(1);
    }
}

void WithQtLists(const std::string& gameMaps, int count) {
    fakes::EventLog log;
    QtScreen screen;
    QtPointer pointer;
    fakes::FakeMessageBoxes messages{log};
    PosixFiles files;
    QtShell shell;
    QtApplication application;
    const MoverWindowServices services{screen, pointer, messages, files, shell, application};
    std::unique_ptr<QtMoverWindow> window;
    const Timing load = Time(
        5, [&] { window->Behaviour().Load(); },
        [&] {
            window = std::make_unique<QtMoverWindow>(GameMapsPlace{gameMaps, [] {}}, services);
        });
    window->show();
    QApplication::processEvents();
    const Timing refresh = Time(kRuns, [&] { window->Behaviour().RefreshMapLists(); });
    Check(messages.shown.empty() && window->GameList().count() == count &&
              window->StoredList().count() == count,
          "Qt");
    Report("Qt", count, load, refresh);
    const Timing painted = Time(kRuns, [&] {
        window->Behaviour().RefreshMapLists();
        window->repaint();
    });
    std::printf("%6d  %-6s  RefreshMapLists and repaint median %7.2f ms  min %7.2f ms\n", count, "Qt",
                painted.median, painted.min);
}

void WithPlainLists(const std::string& gameMaps, int count) {
    fakes::EventLog log;
    PosixFileList gameList, storedList;
    fakes::FakeMoverControls controls{[](const std::string&) { return std::optional<std::string>(); }};
    fakes::FakeMoverWindow window{log};
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    PosixFiles files;
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    std::unique_ptr<Mover> mover;
    const Timing load = Time(
        5, [&] { mover->Load(); },
        [&] {
            gameList = PosixFileList();
            storedList = PosixFileList();
            mover = std::make_unique<Mover>(
                GameMapsPlace{gameMaps, [] {}}, controls.For(gameList, storedList), window,
                MoverWindowServices{screen, pointer, messages, files, shell, application});
        });
    const Timing refresh = Time(kRuns, [&] { mover->RefreshMapLists(); });
    Check(messages.shown.empty() && gameList.Entries().size() == std::size_t(count) &&
              storedList.Entries().size() == std::size_t(count),
          "plain");
    Report("plain", count, load, refresh);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {10000, 20000, 40000};

    std::string scratch = (fs::temp_directory_path() / "tessary-refresh-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) return 1;
    for (const int count : counts) {
        const fs::path gameMaps = fs::path(scratch) / std::to_string(count) / "Home" / "Maps";
        MakeMaps(gameMaps, count);
        MakeMaps(gameMaps / kStoredMapsName, count);
        WithQtLists(gameMaps.string(), count);
        WithPlainLists(gameMaps.string(), count);
        fs::remove_all(fs::path(scratch) / std::to_string(count));
    }
    fs::remove_all(scratch);
    return 0;
}
