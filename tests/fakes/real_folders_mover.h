#pragma once
// The map window over real folders with a front's own lists and file
// services; everything else is a fake. Pictures are read from the disk: a
// picture is a file whose bytes start with "BM".

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "fakes/fake_mover.h"
#include "platform/path.h"

namespace tessary::fakes {

inline std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// List is the front's file list (a ListedFiles), FrontFiles its Files.
template <typename List, typename FrontFiles>
struct RealFoldersMover {
    explicit RealFoldersMover(std::string gameMaps)
        : game(std::move(gameMaps)), stored(JoinPath(game, "Stored Maps")) {}

    // Picks the entry of that name in a list (none when it is not listed)
    // and tells the window, as a click on it does.
    void ClickGame(const std::string& name) {
        gameList.Select(Index(gameList, name));
        mover.ChooseGameMap();
    }
    void ClickStored(const std::string& name) {
        storedList.Select(Index(storedList, name));
        mover.ChooseStoredMap();
    }
    static std::optional<std::size_t> Index(const List& list, const std::string& name) {
        const auto& entries = list.Entries();
        const auto it = std::find(entries.begin(), entries.end(), name);
        if (it == entries.end()) return std::nullopt;
        return static_cast<std::size_t>(it - entries.begin());
    }

    std::string game, stored;
    EventLog log;
    List gameList, storedList;
    FakeMoverControls controls{ReadWholeFile};
    FakeMoverWindow window{log};
    SizedScreen screen;
    FakePointer pointer{log};
    FakeMessageBoxes messages{log};
    FrontFiles files;
    FakeShell shell{log};
    FakeApplication application{log};
    Mover mover{GameMapsPlace{game, [] {}}, controls.For(gameList, storedList), window,
                MoverWindowServices{screen, pointer, messages, files, shell, application}};
};

}  // namespace tessary::fakes
