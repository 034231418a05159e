// Adding the maps found in dropped files, folders and archives to a maps
// folder. The player is asked first; then each map is written with its
// picture into a staging folder on the destination's disk and moved in by
// the transfer, with its journal, so a map is added whole or not at all.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/message_title.h"
#include "intake/adding_text.h"
#include "intake/drop_reader.h"
#include "intake/intake_plan.h"
#include "lists/pattern.h"
#include "mapwindow/map_move.h"
#include "mapwindow/move_plan.h"
#include "mapwindow/mover.h"
#include "mapwindow/mover_messages.h"
#include "mapwindow/picture_name.h"
#include "mapwindow/replaced_file.h"
#include "mapwindow/staging.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
#include "platform/pointer.h"

namespace tessary {

namespace {

// Where the maps go, and the folders around it.
struct AddingPlace {
    bool storedMaps;
    std::string folder;
    std::string otherFolder;
    std::string storedFolder;  // holds the journal and "Replaced Maps"
};

template <typename Step>
void TryStep(Step&& step) {
    try {
        step();
    } catch (const RuntimeFailure&) {}
}

std::vector<std::string> NamesOrNone(const Files& files, const std::string& folder) {
    try {
        return files.NamesIn(folder);
    } catch (const RuntimeFailure&) {
        return {};
    }
}

// True when the two paths are one folder as the file system reads them.
bool SameFolder(const Files& files, const std::string& a, const std::string& b) {
    try {
        return files.LookAlike(files.SystemPath(a), files.SystemPath(b));
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// True when the lists show a map of this name: "Lake.gmx" and "Lake.GMX"
// everywhere, "Lake.Gmx" where the file system takes it for "Lake.gmx".
bool Listed(const Files& files, const std::string& name) {
    if (FilePattern(kMapPattern).Matches(name)) return true;
    const std::string_view end = std::string_view(name).substr(name.size() - 4);
    return files.LookAlike(end, ".gmx") || files.LookAlike(end, ".GMX");
}

// The plan of what is added: maps whose names the destination takes for
// another map's, maps the lists would not show, maps that sit in the
// destination already, and pictures of no dropped map are skipped.
IntakePlan PlanAdding(const Files& files, const AddingPlace& place, const std::vector<std::string>& paths,
                      const DropReader& reader) {
    const NamesLookAlike alike = [&files](std::string_view a, std::string_view b) {
        return files.LookAlike(a, b);
    };
    IntakePlan plan;
    try {
        plan = PlanIntake(paths, reader, IntakeLimits{}, alike);
    } catch (const RuntimeFailure& failure) {
        plan.skipped.push_back({"what was dropped", failure.Description()});
    }
    for (const auto& picture : plan.lonePictures) {
        plan.skipped.push_back({picture.shownAs, "it is the picture of no map dropped with it"});
    }
    const std::vector<std::string> there = NamesOrNone(files, place.folder);
    std::vector<PlannedMap> maps;
    for (auto& map : plan.maps) {
        const auto standing = NameStandingFor(there, map.map.name,
                                              files.NameTaken(JoinPath(place.folder, map.map.name)), alike);
        if (standing && *standing != map.map.name) {
            plan.skipped.push_back(
                {map.map.shownAs,
                 "the folder holds a map whose name differs only in letter case: \"" + *standing + "\""});
        } else if (!Listed(files, map.map.name)) {
            plan.skipped.push_back(
                {map.map.shownAs, "the lists show only maps whose names end in \".gmx\" or \".GMX\""});
        } else if (map.map.entries.empty() &&
                   SameFolder(files, std::string(FolderOfPath(map.map.path)), place.folder)) {
            plan.skipped.push_back({map.map.shownAs, "it is in that folder already"});
        } else {
            maps.push_back(std::move(map));
        }
    }
    plan.maps = std::move(maps);
    return plan;
}

AddingQuestion QuestionFor(const Files& files, const AddingPlace& place, const IntakePlan& plan) {
    const NamesLookAlike alike = [&files](std::string_view a, std::string_view b) {
        return files.LookAlike(a, b);
    };
    const std::vector<std::string> there = NamesOrNone(files, place.folder);
    const std::vector<std::string> other = NamesOrNone(files, place.otherFolder);
    AddingQuestion question{place.storedMaps, {}, {}, {}, {}, plan.skipped};
    for (const auto& map : plan.maps) {
        const std::string& name = map.map.name;
        (map.picture ? question.withPicture : question.withoutPicture).push_back(name);
        if (NameStandingFor(there, name, files.NameTaken(JoinPath(place.folder, name)), alike))
            question.replacing.push_back(name);
        if (NameStandingFor(other, name, files.NameTaken(JoinPath(place.otherFolder, name)), alike))
            question.inOtherFolder.push_back(name);
    }
    return question;
}

// Writes a planned file to a new file at path, whole and flushed, or not at all.
void WriteStaged(Files& files, const DropReader& reader, const PlannedFile& file, const std::string& path) {
    const std::unique_ptr<NewFile> out = files.CreateNewFile(path);
    ReadPlannedFile(file, reader, IntakeLimits{},
                    [&out](const char* data, std::size_t size) { out->Write(data, size); });
    out->Finish();
}

// Adds one map with its picture (which takes the map's own picture name).
// Nothing when it was added, else why not; leftBehind is set when some of
// its files could not be put back yet.
std::optional<std::string> AddMap(Files& files, const DropReader& reader, const PlannedMap& map,
                                  const AddingPlace& place, const std::string& staging, bool& leftBehind) {
    const std::string stagedMap = JoinPath(staging, map.map.name);
    try {
        WriteStaged(files, reader, map.map, stagedMap);
        if (map.picture) {
            const std::string picture = *PictureFor(map.map.name, map.map.name.size());
            WriteStaged(files, reader, *map.picture, JoinPath(staging, picture));
        }
        MapMove move;
        if (auto problem = PlanMove(files, stagedMap, place.folder, move)) return problem;
        move.replacedFolder = JoinPath(place.storedFolder, kReplacedMapsName);
        move.journalFolder = place.storedFolder;
        MoveMapPair(files, move);
        return std::nullopt;
    } catch (const MoveFailure& failure) {
        if (!failure.EverythingBack()) leftBehind = true;
        return MoveFailureReason(failure.Number()) + " (" + failure.Description() + ")";
    } catch (const RuntimeFailure& failure) {
        return MoveFailureReason(failure.Number()) + " (" + failure.Description() + ")";
    } catch (const IntakeRefused& refused) {
        return std::string("It could not be read again: ") + refused.what() + ".";
    }
}

// Asks the player, then adds the maps. The report, or nothing when the
// player cancelled.
std::optional<std::string> AddMaps(const MoverWindowServices& services, const AddingPlace& place,
                                   const std::vector<std::string>& paths, const DropReader& reader) {
    Files& files = services.files;
    const IntakePlan plan = PlanAdding(files, place, paths, reader);
    if (plan.maps.empty()) return NothingToAddText(plan.skipped);
    if (!services.messages.AskOkCancel(AddingQuestionText(QuestionFor(files, place, plan)),
                                       kApplicationTitle))
        return std::nullopt;

    TryStep([&] { services.pointer.Set(PointerShape::Busy); });
    AddingReport report{place.storedMaps, {}, {}, false};
    std::string staging;
    std::optional<std::string> cannotStart;
    try {
        // The journal and the replaced maps live in "Stored Maps".
        if (!files.NameTaken(place.storedFolder)) files.CreateFolder(place.storedFolder);
        staging = MakeStagingFolder(files, place.folder);
    } catch (const RuntimeFailure& failure) {
        cannotStart = MoveFailureReason(failure.Number()) + " (" + failure.Description() + ")";
    }
    for (const auto& map : plan.maps) {
        bool leftBehind = false;
        const std::optional<std::string> problem =
            cannotStart ? cannotStart : AddMap(files, reader, map, place, staging, leftBehind);
        if (problem) {
            report.notAdded.push_back({map.map.name, *problem});
        } else {
            report.added.push_back(map.map.name);
        }
        report.leftForNextStart = report.leftForNextStart || leftBehind;
    }
    // A transfer left to the next start may need its staged files back.
    if (!staging.empty() && !report.leftForNextStart) RemoveStagingFolder(files, staging);
    TryStep([&] { services.pointer.Set(PointerShape::Default); });
    return AddingReportText(report);
}

}  // namespace

void Mover::AddDroppedFiles(const std::vector<std::string>& paths, DropTarget target,
                            const DropReader& reader) {
    // One thing at a time: a drop that comes while a map moves, or while
    // other dropped maps are asked about or added, is not taken.
    if (moving_) {
        TryStep([&] { services_.messages.ShowOk(kAddingWhileMovingText, kApplicationTitle); });
        return;
    }
    const bool stored = target == DropTarget::StoredMaps;
    const AddingPlace place{stored, stored ? storedMapsFolder_ : game_.folder,
                            stored ? game_.folder : storedMapsFolder_, storedMapsFolder_};
    std::optional<std::string> report;
    WhileMoving([&] {
        report = AddMaps(services_, place, paths, reader);
        // The lists show the new maps, keeping the chosen one.
        if (report) followWaiting_ = true;
    });
    if (report) TryStep([&] { services_.messages.ShowOk(*report, kApplicationTitle); });
}

}  // namespace tessary
