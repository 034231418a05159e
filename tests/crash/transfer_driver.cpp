// Runs the map window's own transfer over real folders, with the program's
// own file services (the desktop trash included), for the crash test:
//   transfer_driver GAME_MAPS_FOLDER load
//       loads the window and prints both lists ("game NAME", "stored NAME")
//   transfer_driver GAME_MAPS_FOLDER store|install NAME
//       loads the window, picks NAME in the source list and presses the
//       store or install button; prints "transfer_ns N", the time it took.
//       With TESSARY_KILL_AFTER_NS set, the process is sent SIGKILL (or, with
//       TESSARY_KILL_SIGNAL=TERM, SIGTERM) that many nanoseconds after the
//       pick, wherever the transfer is then.
//   transfer_driver GAME_MAPS_FOLDER add FILE...
//       loads the window and drops the files on the game's list, the player
//       answering OK; prints "transfer_ns N" and the report. Killed as above,
//       counted from the drop.
// The load prints what it did with a transfer that was cut off before
// ("recovered finished" or "recovered undone"; an add as a transfer).
// Only the files are real: no window is shown.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "fakes/fake_mover.h"
#include "front/posix/gio_trash_files.h"
#include "front/posix/posix_drop_reader.h"
#include "front/posix/posix_file_list.h"
#include "front/posix/posix_files.h"

namespace tessary {
namespace {

struct Driver {
    explicit Driver(std::string gameMaps) : gameMapsFolder(std::move(gameMaps)) {}
    static bool Pick(PosixFileList& list, const std::string& name) {
        const auto& entries = list.Entries();
        const auto it = std::find(entries.begin(), entries.end(), name);
        if (it == entries.end()) return false;
        list.Select(static_cast<std::size_t>(it - entries.begin()));
        return true;
    }

    fakes::EventLog log;
    std::string gameMapsFolder;
    PosixFileList gameList, storedList;
    // Pictures are not read here: every preview loads.
    fakes::FakeMoverControls controls{[](const std::string&) { return std::optional<std::string>("BM"); }};
    fakes::FakeMoverWindow window{log};
    fakes::SizedScreen screen;
    fakes::FakePointer pointer{log};
    fakes::FakeMessageBoxes messages{log};
    PosixFiles posix;
    GioTrashFiles files{posix};
    fakes::FakeShell shell{log};
    fakes::FakeApplication application{log};
    Mover mover{GameMapsPlace{gameMapsFolder, [] {}}, controls.For(gameList, storedList), window,
                MoverWindowServices{screen, pointer, messages, files, shell, application}};
};

}  // namespace
}  // namespace tessary

int main(int argc, char** argv) {
    using tessary::Driver;
    if (argc < 3) {
        std::fprintf(stderr, "usage: transfer_driver GAME_MAPS_FOLDER load|store|install [NAME]\n");
        return 2;
    }
    const std::string command = argv[2];
    Driver driver(argv[1]);
    driver.mover.Load();
    for (const auto& [text, caption] : driver.messages.shown) {
        if (text.find("has now been finished") != std::string::npos ||
            text.find("has now been added") != std::string::npos)
            std::printf("recovered finished\n");
        if (text.find("has been undone") != std::string::npos ||
            text.find("was not added;") != std::string::npos)
            std::printf("recovered undone\n");
        if (text.find("try again") != std::string::npos) std::printf("recovered incompletely\n");
    }
    if (command == "load") {
        for (const auto& name : driver.gameList.Entries()) std::printf("game %s\n", name.c_str());
        for (const auto& name : driver.storedList.Entries()) std::printf("stored %s\n", name.c_str());
        return 0;
    }
    if (argc < 4 || (command != "store" && command != "install" && command != "add")) return 2;
    const bool store = command == "store";
    const bool add = command == "add";
    if (!add && !Driver::Pick(store ? driver.gameList : driver.storedList, argv[3])) return 3;
    if (const char* after = std::getenv("TESSARY_KILL_AFTER_NS")) {
        const auto delay = std::chrono::nanoseconds(std::strtoll(after, nullptr, 10));
        const char* name = std::getenv("TESSARY_KILL_SIGNAL");
        const int signal = name != nullptr && std::string(name) == "TERM" ? SIGTERM : SIGKILL;
        std::thread([delay, signal] {
            std::this_thread::sleep_for(delay);
            // To the process, as another program would send it.
            ::kill(::getpid(), signal);
        }).detach();
    }
    const auto start = std::chrono::steady_clock::now();
    if (add) {
        driver.mover.AddDroppedFiles(std::vector<std::string>(argv + 3, argv + argc),
                                     tessary::DropTarget::GameMaps, tessary::PosixDropReader());
    } else if (store) {
        driver.mover.ChooseGameMap();
        driver.mover.Store();
    } else {
        driver.mover.ChooseStoredMap();
        driver.mover.Install();
    }
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("transfer_ns %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(took).count()));
    for (const auto& [text, caption] : driver.messages.shown) std::printf("%s\n", text.c_str());
    return 0;
}
