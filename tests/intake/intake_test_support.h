#pragma once
// Plans an intake of real files with the POSIX reader and writes the plan as
// lines of text a test compares: "map A.gmx + A.bmp", "picture B.bmp",
// "skipped WHERE: REASON" (WHERE without the test folder).

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "front/posix/posix_drop_reader.h"
#include "intake/intake_plan.h"
#include "support/temp_folder.h"

namespace tessary::testing {

inline void Shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

inline IntakeLimits SmallLimits() {
    IntakeLimits limits;
    limits.maxFileBytes = 1 << 20;
    return limits;
}

inline std::vector<std::string> PlanLines(const TempFolder& folder, const std::vector<std::string>& dropped,
                                          const IntakeLimits& limits = SmallLimits()) {
    std::vector<std::string> paths;
    for (const auto& name : dropped) paths.push_back(folder / name);
    const IntakePlan plan = PlanIntake(paths, PosixDropReader(), limits,
                                       [](std::string_view a, std::string_view b) { return a == b; });
    std::vector<std::string> lines;
    for (const auto& map : plan.maps) {
        lines.push_back("map " + map.map.name + (map.picture ? " + " + map.picture->name : ""));
    }
    for (const auto& picture : plan.lonePictures) lines.push_back("picture " + picture.name);
    for (const auto& skipped : plan.skipped) {
        std::string where = skipped.shownAs;
        if (where.rfind(folder.Path() + "/", 0) == 0) where.erase(0, folder.Path().size() + 1);
        lines.push_back("skipped " + where + ": " + skipped.reason);
    }
    return lines;
}

inline std::string ReadPlanned(const PlannedFile& file) {
    std::string bytes;
    ReadPlannedFile(file, PosixDropReader(), SmallLimits(),
                    [&](const char* data, std::size_t size) { bytes.append(data, size); });
    return bytes;
}

}  // namespace tessary::testing
