#pragma once
// The maker's web site: the one place that names its host.

#include <string>
#include <string_view>

namespace tessary {

inline constexpr std::string_view kMakerSite = "http://www.orlenport.com";
inline constexpr std::string_view kCustomMapsPagePath = "/fnmb/custom_maps.htm";

inline std::string HomePageAddress() { return std::string(kMakerSite) + "/"; }
inline std::string CustomMapsPageAddress() {
    return std::string(kMakerSite) + std::string(kCustomMapsPagePath);
}

}  // namespace tessary
