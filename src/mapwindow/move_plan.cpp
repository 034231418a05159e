#include "mapwindow/move_plan.h"

#include <string_view>
#include <vector>

#include "mapwindow/mover_messages.h"
#include "mapwindow/picture_name.h"
#include "platform/files.h"
#include "platform/path.h"

namespace tessary {

std::optional<std::string> PlanMove(const Files& files, const std::string& map, const std::string& folder,
                                    MapMove& move) {
    const auto alike = [&files](std::string_view a, std::string_view b) { return files.LookAlike(a, b); };
    const std::string name(NameOfPath(map));
    const std::string sourceFolder(FolderOfPath(map));
    const std::optional<std::string> picture = FindPictureName(files.NamesIn(sourceFolder), name, alike);
    const std::vector<std::string> there = files.NamesIn(folder);
    move.map = map;
    move.destinationMap = JoinPath(folder, name);
    const auto standing = NameStandingFor(there, name, files.NameTaken(move.destinationMap), alike);
    if (standing && *standing != name) return NameTakenByTwinReason(*standing);
    std::vector<std::string> inTheWay;
    if (picture) {
        move.picture = JoinPath(sourceFolder, *picture);
        move.destinationPicture = JoinPath(folder, *picture);
        const auto taken = NameStandingFor(there, *picture, files.NameTaken(*move.destinationPicture), alike);
        if (taken) inTheWay.push_back(*taken);
    }
    if (const auto old = FindPictureName(there, name, alike)) inTheWay.push_back(*old);
    for (const auto& file : inTheWay) {
        if (const auto owner = MapWithPicture(there, file, name, alike))
            return PictureOfAnotherMapReason(file, *owner);
        move.picturesInTheWay.push_back(JoinPath(folder, file));
    }
    return std::nullopt;
}

}  // namespace tessary
