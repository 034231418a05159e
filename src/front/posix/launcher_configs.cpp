#include "front/posix/launcher_configs.h"

#include <yaml-cpp/yaml.h>

#include <exception>
#include <nlohmann/json.hpp>

namespace tessary {

namespace {

using Json = nlohmann::ordered_json;

// The scalar at root[first][second] (or root[first] when second is null).
std::string YamlScalar(const std::string& yaml, const char* first, const char* second) {
    try {
        const YAML::Node root = YAML::Load(yaml);
        if (!root.IsMap()) return {};
        YAML::Node node = root[first];
        if (second != nullptr) {
            if (!node.IsMap()) return {};
            node = node[second];
        }
        return node.IsScalar() ? node.Scalar() : std::string();
    } catch (const std::exception&) {
        return {};
    }
}

// The object's non-empty text under `key`, or "".
std::string JsonText(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

// A settings object's Wine, what it leaves out taken from `defaults`.
HeroicWine WineOf(const Json& settings, const HeroicWine& defaults) {
    HeroicWine wine = defaults;
    if (std::string prefix = JsonText(settings, "winePrefix"); !prefix.empty())
        wine.prefix = std::move(prefix);
    const auto version = settings.find("wineVersion");
    if (version != settings.end() && version->is_object() && version->contains("type")) {
        wine.proton = JsonText(*version, "type") == "proton";
    }
    return wine;
}

}  // namespace

LutrisGame LutrisGameSettings(const std::string& yaml) {
    return {YamlScalar(yaml, "game", "prefix"), YamlScalar(yaml, "game", "exe")};
}

HeroicDefaults HeroicDefaultSettings(const std::string& json) {
    const Json root = Json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (!root.is_object()) return {};
    const auto settings = root.find("defaultSettings");
    if (settings == root.end() || !settings->is_object()) return {};
    return {WineOf(*settings, {}), JsonText(*settings, "defaultWinePrefix")};
}

std::vector<HeroicWine> HeroicGameWines(const std::string& json, const HeroicWine& defaults) {
    std::vector<HeroicWine> wines;
    const Json root = Json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (!root.is_object()) return wines;
    if (!JsonText(root, "winePrefix").empty()) wines.push_back(WineOf(root, defaults));
    for (const auto& [key, value] : root.items()) {
        if (value.is_object()) wines.push_back(WineOf(value, defaults));
    }
    return wines;
}

std::string BottlesPlaceholderPath(const std::string& yaml) { return YamlScalar(yaml, "Path", nullptr); }

}  // namespace tessary
