#pragma once
// The Wine prefixes that game launchers record in their per-game settings.
// Any text is safe: a file that does not parse gives nothing.

#include <string>
#include <vector>

namespace tessary {

// Lutris keeps one YAML file a game, "<slug>-<timestamp>.yml"; a Wine game's
// prefix is the value "prefix" under "game:". Empty when there is none.
std::string LutrisGamePrefix(const std::string& yaml);

// Heroic keeps one JSON file a game, GamesConfig/<app>.json, holding
// { "<app>": { "winePrefix": "…", … } }; a "winePrefix" at the top is taken
// as well. The prefixes in the order the file gives them.
std::vector<std::string> HeroicWinePrefixes(const std::string& json);

}  // namespace tessary
