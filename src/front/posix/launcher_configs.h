#pragma once
// The Wine prefixes that game launchers record in their settings files.
// Any text is safe: a file that does not parse gives nothing.

#include <string>
#include <vector>

namespace tessary {

// Lutris keeps one YAML file a game, "<slug>-<timestamp>.yml"; under "game:"
// a Wine game names its "prefix", or only its "exe", and Lutris then looks
// for the prefix around the executable. Empty texts for what is not there.
struct LutrisGame {
    std::string prefix;
    std::string exe;
};
LutrisGame LutrisGameSettings(const std::string& yaml);

// The Wine prefix Heroic runs a game in: "winePrefix", and whether the Wine
// is Proton ("wineVersion": {"type": "proton"}), whose prefix is then the
// folder "pfx" inside it.
struct HeroicWine {
    std::string prefix;
    bool proton = false;
};

// Heroic's own settings, config.json: {"defaultSettings": {"winePrefix": …,
// "wineVersion": …, "defaultWinePrefix": …}}. `wine` is what a game without
// settings of its own runs in; `prefixesFolder` is where new games get
// their prefixes.
struct HeroicDefaults {
    HeroicWine wine;
    std::string prefixesFolder;
};
HeroicDefaults HeroicDefaultSettings(const std::string& json);

// Heroic keeps one JSON file a game, GamesConfig/<app>.json, holding
// { "<app>": { "winePrefix": "…", "wineVersion": {…}, … } }; what a game
// leaves out comes from `defaults`. A "winePrefix" at the top is taken as
// well. The games' prefixes in the order the file gives them.
std::vector<HeroicWine> HeroicGameWines(const std::string& json, const HeroicWine& defaults);

// Bottles keeps a bottle made at a path of the player's choice there, and
// in its bottles folder only "<bottle>/placeholder.yml" holding
// "Path: <the bottle's folder>". Empty when there is no such path.
std::string BottlesPlaceholderPath(const std::string& yaml);

}  // namespace tessary
