#pragma once
// Where a Linux player keeps a Windows game: the Wine prefixes of the usual
// game launchers, and the games that Steam installs outside its prefixes.
// A Wine prefix is a folder that holds "system.reg" and "dosdevices/".

#include <string>
#include <vector>

namespace tessary {

enum class PlaceKind {
    ChosenPrefix,  // $WINEPREFIX
    HomeWine,      // ~/.wine
    Lutris,
    Bottles,
    Heroic,
    PlayOnLinux,
    SteamProton,   // steamapps/compatdata/<app>/pfx
    SteamLibrary,  // steamapps/common, searched as one drive
};

struct GamePlace {
    PlaceKind kind;
    // The prefix, or for a Steam library its "steamapps/common" folder.
    std::string folder;
};

// The places of the home folder `home`, in the order they are searched,
// each read as its launcher reads it: ~/.wine; Lutris (its games'
// "prefix", or the prefix found around a game's "exe", then the prefixes in
// ~/Games); Bottles (its bottles, and those its placeholder.yml files name);
// Heroic (its games' "winePrefix", or its default one, "pfx" inside for
// Proton; then its prefixes folders, one or two levels down); PlayOnLinux;
// then each library of each Steam root, its Proton prefixes before its
// installed games, letter case ignored in the libraries' paths and
// folders. A folder reached twice (by links, or named by two launchers) is
// listed once, first. Settings files that cannot be read or parsed are
// passed over.
std::vector<GamePlace> FindGamePlaces(const std::string& home);

// For the player: "Searched: ~/.wine, 3 Lutris prefixes, …" and how to
// name another prefix.
std::string DescribeGamePlaces(const std::vector<GamePlace>& places);

}  // namespace tessary
