#include "front/posix/game_places.h"

#include <limits.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <exception>
#include <set>
#include <utility>

#include "front/posix/folder_names.h"
#include "front/posix/launcher_configs.h"
#include "front/posix/posix_files.h"
#include "front/posix/steam_library_folders.h"

namespace tessary {

namespace {

// Far more than any launcher writes for one game or for its library list.
constexpr std::size_t kSettingsReadLimit = 4 * 1024 * 1024;

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsPrefix(const std::string& path) {
    struct stat info {};
    return ::stat((path + "/system.reg").c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           IsFolder(path + "/dosdevices");
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string ReadSettings(const std::string& path) {
    try {
        return PosixFiles().ReadStart(path, kSettingsReadLimit);
    } catch (const std::exception&) {
        return {};
    }
}

class Finder {
public:
    explicit Finder(std::string home) : home_(std::move(home)) {}

    std::vector<GamePlace> Run() {
        AddPrefix(PlaceKind::HomeWine, home_ + "/.wine");
        Lutris();
        for (const char* base :
             {"/.local/share/bottles/bottles", "/.var/app/com.usebottles.bottles/data/bottles/bottles"}) {
            Bottles(home_ + base);
        }
        Heroic();
        AddPrefixesIn(PlaceKind::PlayOnLinux, home_ + "/.PlayOnLinux/wineprefix");
        Steam();
        return std::move(places_);
    }

private:
    void Lutris() {
        for (const char* base : {"/.config/lutris/games", "/.local/share/lutris/games",
                                 "/.var/app/net.lutris.Lutris/config/lutris/games",
                                 "/.var/app/net.lutris.Lutris/data/lutris/games"}) {
            const std::string folder = home_ + base;
            for (const std::string& name : SortedNames(folder)) {
                if (!EndsWith(name, ".yml")) continue;
                const LutrisGame game = LutrisGameSettings(ReadSettings(folder + "/" + name));
                if (!game.prefix.empty()) {
                    AddPrefix(PlaceKind::Lutris, game.prefix);
                } else if (const std::string exe = Tidy(game.exe); !exe.empty()) {
                    AddPrefix(PlaceKind::Lutris, PrefixAround(exe));
                }
            }
        }
        AddPrefixesIn(PlaceKind::Lutris, home_ + "/Games");
    }

    // As Lutris finds the prefix of a game that names only its executable:
    // each folder above it, from the nearest, is a prefix itself or holds
    // one named "prefix" or "pfx".
    static std::string PrefixAround(std::string path) {
        if (path.size() >= PATH_MAX) return {};  // names nothing on this system
        while (path.size() > 1) {
            const auto separator = path.find_last_of('/');
            path = separator == 0 ? "/" : path.substr(0, separator);
            const std::string base = path == "/" ? "" : path;
            for (const std::string& candidate : {path, base + "/prefix", base + "/pfx"}) {
                if (IsPrefix(candidate)) return candidate;
            }
        }
        return {};
    }

    // Each bottle is a folder in the bottles folder, or one that its
    // placeholder.yml there names.
    void Bottles(const std::string& folder) {
        for (const std::string& name : SortedNames(folder)) {
            const std::string bottle = folder + "/" + name;
            const std::string elsewhere = BottlesPlaceholderPath(ReadSettings(bottle + "/placeholder.yml"));
            AddPrefix(PlaceKind::Bottles, elsewhere.empty() ? bottle : elsewhere);
        }
    }

    void Heroic() {
        for (const char* base : {"/.config/heroic", "/.var/app/com.heroicgameslauncher.hgl/config/heroic"}) {
            const std::string folder = home_ + base;
            const HeroicDefaults defaults = HeroicDefaultSettings(ReadSettings(folder + "/config.json"));
            for (const std::string& name : SortedNames(folder + "/GamesConfig")) {
                if (!EndsWith(name, ".json")) continue;
                for (const HeroicWine& wine :
                     HeroicGameWines(ReadSettings(folder + "/GamesConfig/" + name), defaults.wine)) {
                    AddHeroicPrefix(wine);
                }
            }
            // Games without settings of their own run in the default prefix.
            AddHeroicPrefix(defaults.wine);
            if (const std::string prefixes = Tidy(defaults.prefixesFolder); !prefixes.empty())
                HeroicPrefixesIn(prefixes);
        }
        HeroicPrefixesIn(home_ + "/Games/Heroic/Prefixes");
    }

    void AddHeroicPrefix(const HeroicWine& wine) {
        const std::string prefix = Tidy(wine.prefix);
        if (!prefix.empty()) AddPrefix(PlaceKind::Heroic, wine.proton ? prefix + "/pfx" : prefix);
    }

    // New games get <folder>/default/<game>, older ones <folder>/<game>; a
    // Proton game's prefix is the "pfx" inside.
    void HeroicPrefixesIn(const std::string& prefixes) {
        const auto add = [this](const std::string& game) {
            return AddPrefix(PlaceKind::Heroic, game) || AddPrefix(PlaceKind::Heroic, game + "/pfx");
        };
        for (const std::string& name : SortedNames(prefixes)) {
            const std::string folder = prefixes + "/" + name;
            if (add(folder)) continue;
            for (const std::string& game : SortedNames(folder)) add(folder + "/" + game);
        }
    }

    void Steam() {
        for (const char* base : {"/.local/share/Steam", "/.steam/steam", "/.steam/debian-installation",
                                 "/.var/app/com.valvesoftware.Steam/.local/share/Steam"}) {
            const std::string root = home_ + base;
            if (!IsFolder(root)) continue;
            std::vector<std::string> libraries{root};
            for (const std::string& steamapps : ChildrenIgnoringCase(root, "steamapps")) {
                for (const std::string& list : ChildrenIgnoringCase(steamapps, "libraryfolders.vdf")) {
                    for (std::string& path : SteamLibraryPaths(ReadSettings(list))) {
                        libraries.push_back(std::move(path));
                    }
                }
            }
            for (const std::string& library : libraries) SteamLibrary(library);
        }
    }

    // Steam matches a library's path and its folders without regard to
    // letter case.
    void SteamLibrary(const std::string& path) {
        const std::string library = ExistingPathIgnoringCase(Tidy(path));
        if (library.empty() || !FirstVisit(libraries_, library)) return;
        for (const std::string& steamapps : ChildrenIgnoringCase(library, "steamapps")) {
            for (const std::string& compatdata : ChildrenIgnoringCase(steamapps, "compatdata")) {
                for (const std::string& app : SortedNames(compatdata)) {
                    AddPrefix(PlaceKind::SteamProton, compatdata + "/" + app + "/pfx");
                }
            }
            for (const std::string& common : ChildrenIgnoringCase(steamapps, "common")) {
                if (IsFolder(common)) places_.push_back({PlaceKind::SteamLibrary, common + "/"});
            }
        }
    }

    void AddPrefixesIn(PlaceKind kind, const std::string& folder) {
        for (const std::string& name : SortedNames(folder)) AddPrefix(kind, folder + "/" + name);
    }

    // True when `path` is a prefix, whether new or listed before.
    bool AddPrefix(PlaceKind kind, const std::string& path) {
        const std::string prefix = Tidy(path);
        if (prefix.empty() || !IsPrefix(prefix)) return false;
        if (FirstVisit(prefixes_, prefix)) places_.push_back({kind, prefix});
        return true;
    }

    // Settings may name a folder with "~/" or a trailing separator; a
    // relative path means nothing here.
    std::string Tidy(std::string path) const {
        if (path == "~" || path.rfind("~/", 0) == 0) path = home_ + path.substr(1);
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        return !path.empty() && path.front() == '/' ? path : std::string();
    }

    static bool FirstVisit(std::set<std::pair<dev_t, ino_t>>& seen, const std::string& folder) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0) return false;
        return seen.emplace(info.st_dev, info.st_ino).second;
    }

    std::string home_;
    std::vector<GamePlace> places_;
    std::set<std::pair<dev_t, ino_t>> prefixes_;
    std::set<std::pair<dev_t, ino_t>> libraries_;
};

}  // namespace

std::vector<GamePlace> FindGamePlaces(const std::string& home) {
    if (home.empty() || home.front() != '/') return {};
    return Finder(home).Run();
}

std::string DescribeGamePlaces(const std::vector<GamePlace>& places) {
    struct Group {
        PlaceKind kind;
        const char* one;
        const char* many;
    };
    constexpr std::array<Group, 6> kGroups = {{
        {PlaceKind::Lutris, "Lutris prefix", "Lutris prefixes"},
        {PlaceKind::Bottles, "Bottles prefix", "Bottles prefixes"},
        {PlaceKind::Heroic, "Heroic prefix", "Heroic prefixes"},
        {PlaceKind::PlayOnLinux, "PlayOnLinux prefix", "PlayOnLinux prefixes"},
        {PlaceKind::SteamProton, "Steam Proton prefix", "Steam Proton prefixes"},
        {PlaceKind::SteamLibrary, "Steam library", "Steam libraries"},
    }};
    std::string searched;
    const auto add = [&searched](const std::string& part) {
        searched += (searched.empty() ? "" : ", ") + part;
    };
    const auto count = [&places](PlaceKind kind) {
        return std::count_if(places.begin(), places.end(),
                             [kind](const GamePlace& p) { return p.kind == kind; });
    };
    for (const GamePlace& place : places) {
        if (place.kind == PlaceKind::ChosenPrefix) add("the Wine prefix " + place.folder + " (WINEPREFIX)");
    }
    if (count(PlaceKind::HomeWine) != 0) add("~/.wine");
    for (const Group& group : kGroups) {
        const auto n = count(group.kind);
        if (n != 0) add(std::to_string(n) + " " + (n == 1 ? group.one : group.many));
    }
    std::string text = searched.empty()
                           ? "Searched: no Wine prefix in ~/.wine, nor any of Lutris, Bottles, Heroic, "
                             "PlayOnLinux or Steam."
                           : "Searched: " + searched + ".";
    text += "\nTo search another Wine prefix, start Tessary with:\nWINEPREFIX=/path/to/prefix tessary";
    return text;
}

}  // namespace tessary
