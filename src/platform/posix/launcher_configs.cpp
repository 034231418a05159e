#include "platform/posix/launcher_configs.h"

#include <yaml-cpp/yaml.h>

#include <exception>
#include <nlohmann/json.hpp>

namespace tessary {

std::string LutrisGamePrefix(const std::string& yaml) {
    try {
        const YAML::Node root = YAML::Load(yaml);
        if (!root.IsMap()) return {};
        const YAML::Node game = root["game"];
        if (!game.IsMap()) return {};
        const YAML::Node prefix = game["prefix"];
        if (!prefix.IsScalar()) return {};
        return prefix.Scalar();
    } catch (const std::exception&) {
        return {};
    }
}

std::vector<std::string> HeroicWinePrefixes(const std::string& json) {
    std::vector<std::string> prefixes;
    const nlohmann::ordered_json root =
        nlohmann::ordered_json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (!root.is_object()) return prefixes;
    const auto take = [&prefixes](const nlohmann::ordered_json& settings) {
        const auto it = settings.find("winePrefix");
        if (it != settings.end() && it->is_string() && !it->get_ref<const std::string&>().empty()) {
            prefixes.push_back(it->get<std::string>());
        }
    };
    take(root);
    for (const auto& [key, value] : root.items()) {
        if (value.is_object()) take(value);
    }
    return prefixes;
}

}  // namespace tessary
